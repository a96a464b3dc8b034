#include "RtfReader.h"

#include "rtf/RtfParser.h"

#include <QTextDocument>

namespace pagora {

bool RtfReader::read(const QByteArray& data, QTextDocument* document, QString* error)
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
    RtfParser parser(data.mid(start), document);
    parser.run();
    return true;
}

} // namespace pagora
