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
    // What the document is read for. One that is only laid out and printed names its fonts in
    // lower case: Qt looks a font up by its lower-case name for every run of text it lays out
    // or draws, and a name already in lower case spares it a copy each time.
    enum class Use
    {
        Editing,
        Layout
    };
    // Fills `document` (emptied first). False, with the reason, when `data` is no RTF.
    static bool read(const QByteArray& data, QTextDocument* document, QString* error,
                     Use use = Use::Editing);
};

} // namespace pagora
