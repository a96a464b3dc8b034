#pragma once

#include "rtf/RtfReader.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QTextDocument;

namespace pagora {

class RtfParser;

// A reading of RTF bytes into a document that can stop between two lines and go on later: the
// start of a long document can be laid out and shown while the rest is still to be read.
// What is written stays as it is, so the blocks before the document's last are for good.
class RtfReading
{
public:
    // Empties `document` and starts; isValid() is false (with the reason) when `data` is no RTF.
    RtfReading(const QByteArray& data, QTextDocument* document,
               RtfReader::Use use = RtfReader::Use::Editing);
    ~RtfReading();

    bool isValid() const { return m_parser != nullptr || m_done; }
    QString error() const { return m_error; }
    bool atEnd() const { return m_done; }
    // Reads about `bytes` more of the data, to the end of a line; false once all is read.
    bool readMore(qsizetype bytes);
    void finish();

private:
    void end();

    QTextDocument* m_document;
    std::unique_ptr<RtfParser> m_parser;
    qsizetype m_read = 0;
    bool m_done = false;
    bool m_undo = false; // what the document had before the reading
    QString m_error;
};

} // namespace pagora
