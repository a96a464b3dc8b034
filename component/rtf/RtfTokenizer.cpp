#include "RtfTokenizer.h"

#include <limits>

namespace pagora {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Control words are at most 32 letters and parameters at most 10 digits long; anything
// longer is garbage, cut off rather than allowed to run on.
constexpr int MaxWord = 32;
constexpr int MaxDigits = 10;

} // namespace

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (m_pos < m_data.size()) {
        const char c = m_data.at(m_pos);
        if (c == '{') {
            ++m_pos;
            token.kind = RtfToken::Kind::GroupStart;
            return token;
        }
        if (c == '}') {
            ++m_pos;
            token.kind = RtfToken::Kind::GroupEnd;
            return token;
        }
        if (c == '\\')
            return controlWord();
        if (c == '\r' || c == '\n' || c == '\0') {
            // Line ends in RTF source are only there for the source's reader.
            ++m_pos;
            continue;
        }
        return text();
    }
    token.kind = RtfToken::Kind::End;
    return token;
}

RtfToken RtfTokenizer::text()
{
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data.at(m_pos);
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0')
            break;
        ++m_pos;
    }
    token.text = m_data.mid(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    RtfToken token;
    ++m_pos; // the backslash
    if (m_pos >= m_data.size()) {
        token.kind = RtfToken::Kind::End;
        return token;
    }
    const char c = m_data.at(m_pos);
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            const int high = m_pos < m_data.size() ? hexDigit(m_data.at(m_pos)) : -1;
            const int low = m_pos + 1 < m_data.size() ? hexDigit(m_data.at(m_pos + 1)) : -1;
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                token.kind = RtfToken::Kind::HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
            // A broken \' escape: dropped.
            token.kind = RtfToken::Kind::Text;
            return token;
        }
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = c;
        return token;
    }

    token.kind = RtfToken::Kind::ControlWord;
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data.at(m_pos)))
        ++m_pos;
    token.word = m_data.mid(start, std::min<qsizetype>(m_pos - start, MaxWord));

    bool negative = false;
    if (m_pos < m_data.size() && m_data.at(m_pos) == '-' && m_pos + 1 < m_data.size() &&
        isDigit(m_data.at(m_pos + 1))) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
        qint64 value = 0;
        int digits = 0;
        while (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
            if (digits < MaxDigits)
                value = value * 10 + (m_data.at(m_pos) - '0');
            ++digits;
            ++m_pos;
        }
        if (negative)
            value = -value;
        value = std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max());
        token.hasParameter = true;
        token.parameter = static_cast<int>(value);
    }
    // One blank after a control word belongs to the control word.
    if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
        ++m_pos;
    return token;
}

int RtfTokenizer::hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void RtfTokenizer::skipBytes(qint64 count)
{
    if (count <= 0)
        return;
    m_pos = static_cast<qsizetype>(std::min<qint64>(m_data.size(), m_pos + count));
}

QByteArray RtfTokenizer::takeBytes(qint64 count)
{
    if (count <= 0)
        return {};
    const qsizetype n = static_cast<qsizetype>(std::min<qint64>(m_data.size() - m_pos, count));
    const QByteArray bytes = m_data.mid(m_pos, n);
    m_pos += n;
    return bytes;
}

} // namespace pagora
