#include "RtfReader.h"

#include "rtf/RtfParser.h"

#include <QTextCursor>
#include <QTextDocument>

namespace pagora {

bool RtfReader::read(const QByteArray& data, QTextDocument* document, QString* error, Use use)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() && (data.at(start) == ' ' || data.at(start) == '\t' ||
                                   data.at(start) == '\r' || data.at(start) == '\n'))
        ++start;
    if (data.mid(start, 5) != "{\\rtf") {
        if (error)
            *error = QStringLiteral("not an RTF file");
        return false;
    }
    document->clear();
    // Reading is no edit to undo, and recording it as one costs more than the reading. In one
    // edit block, cursors do not place themselves on the screen after each insertion.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor reading(document);
    reading.beginEditBlock();
    RtfParser parser(data.mid(start), document, use == Use::Layout);
    parser.run();
    reading.endEditBlock();
    document->setUndoRedoEnabled(undo);
    return true;
}

} // namespace pagora
