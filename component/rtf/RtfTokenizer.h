#pragma once

#include "rtf/RtfToken.h"

#include <QByteArray>

namespace pagora {

// Splits RTF bytes into tokens. Never fails: whatever the bytes, it walks to their end.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(const QByteArray& data) : m_data(data) {}

    RtfToken next();
    // Skips raw bytes (the data of \binN); stops at the end of the input.
    void skipBytes(qint64 count);
    // Takes raw bytes (the data of \binN).
    QByteArray takeBytes(qint64 count);
    bool atEnd() const { return m_pos >= m_data.size(); }
    // How many bytes have been read.
    qsizetype position() const { return m_pos; }
    // The value of one hexadecimal digit; -1 for any other character.
    static int hexDigit(char c);

private:
    RtfToken controlWord();
    RtfToken text();

    const QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace pagora
