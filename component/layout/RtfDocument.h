#pragma once

#include "rtf/RtfReader.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QTextDocument;

namespace pagora {

class RtfReading;

// An RTF file read into a document of its own. Throws PagoraError when the file is missing,
// unreadable or no RTF.
class RtfDocument
{
public:
    static std::unique_ptr<QTextDocument> load(const QString& path,
                                               RtfReader::Use use = RtfReader::Use::Editing);
    // The file's bytes, with the same errors.
    static QByteArray bytes(const QString& path);
    // `name` is what an error message calls the data.
    static std::unique_ptr<QTextDocument> read(const QByteArray& data, const QString& name,
                                               RtfReader::Use use = RtfReader::Use::Editing);
    // A reading of the data into `document`, to be done piece by piece; the same errors.
    static std::unique_ptr<RtfReading> start(const QByteArray& data, const QString& name,
                                             QTextDocument* document,
                                             RtfReader::Use use = RtfReader::Use::Editing);
};

} // namespace pagora
