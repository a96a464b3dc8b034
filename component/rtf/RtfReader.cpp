#include "RtfReader.h"

#include "rtf/RtfReading.h"

namespace pagora {

bool RtfReader::read(const QByteArray& data, QTextDocument* document, QString* error, Use use)
{
    RtfReading reading(data, document, use);
    if (!reading.isValid()) {
        if (error)
            *error = reading.error();
        return false;
    }
    reading.finish();
    return true;
}

} // namespace pagora
