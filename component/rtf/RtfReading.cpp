#include "RtfReading.h"

#include "rtf/RtfParser.h"

#include <QTextCursor>
#include <QTextDocument>
#include <limits>

namespace pagora {

RtfReading::RtfReading(const QByteArray& data, QTextDocument* document, RtfReader::Use use)
    : m_document(document)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() && (data.at(start) == ' ' || data.at(start) == '\t' ||
                                   data.at(start) == '\r' || data.at(start) == '\n'))
        ++start;
    if (data.mid(start, 5) != "{\\rtf") {
        m_error = QStringLiteral("not an RTF file");
        return;
    }
    document->clear();
    // Reading is no edit to undo, and recording it as one costs more than the reading.
    m_undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    m_parser =
        std::make_unique<RtfParser>(data.mid(start), document, use == RtfReader::Use::Layout);
}

RtfReading::~RtfReading()
{
    if (m_parser)
        end();
}

bool RtfReading::readMore(qsizetype bytes)
{
    if (!m_parser)
        return false;
    // In one edit block, cursors do not place themselves on the screen after each insertion;
    // the layout hears of the piece when the block ends.
    QTextCursor reading(m_document);
    reading.beginEditBlock();
    m_read = bytes > std::numeric_limits<qsizetype>::max() - m_read
                 ? std::numeric_limits<qsizetype>::max()
                 : m_read + bytes;
    const bool more = m_parser->readUntil(m_read);
    reading.endEditBlock();
    if (!more) {
        m_done = true;
        end();
    }
    return more;
}

void RtfReading::finish()
{
    readMore(std::numeric_limits<qsizetype>::max());
}

void RtfReading::end()
{
    m_parser.reset();
    m_document->setUndoRedoEnabled(m_undo);
}

} // namespace pagora
