#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace pagora {

// Reads an RTF document into a QTextDocument: text with its character and paragraph formats,
// tab stops, tables and pictures. Whatever the bytes, it returns; only input that is not RTF
// at all is refused.
class RtfReader
{
public:
    // Fills `document` (emptied first). False, with the reason, when `data` is no RTF.
    static bool read(const QByteArray& data, QTextDocument* document, QString* error);
};

} // namespace pagora
