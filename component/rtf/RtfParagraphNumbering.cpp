#include "RtfParagraphNumbering.h"

#include "rtf/RtfListNumber.h"

namespace pagora {

void RtfParagraphNumbering::start()
{
    m_style = 0;
    m_bullet = m_continued = false;
    m_start = 1;
    m_level = 0;
    m_before.clear();
    m_after.clear();
}

void RtfParagraphNumbering::word(RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::NumberBody:
        m_level = 0;
        return;
    case I::NumberBullet:
        m_bullet = true;
        return;
    case I::NumberContinued:
        m_continued = true;
        return;
    case I::NumberLevel:
        m_level = n < 1 ? 0 : n > 9 ? 9 : n;
        return;
    case I::NumberStart:
        m_start = n;
        return;
    case I::NumberDecimal:
    case I::NumberUpperRoman:
    case I::NumberLowerRoman:
    case I::NumberUpperLetter:
    case I::NumberLowerLetter:
    case I::NumberOrdinal:
    case I::NumberCardinal:
    case I::NumberOrdinalText:
        // In the order of the list styles' own numbers.
        m_style = static_cast<int>(id) - static_cast<int>(I::NumberDecimal);
        return;
    default:
        return;
    }
}

void RtfParagraphNumbering::text(bool before, const QString& text)
{
    (before ? m_before : m_after) += text;
}

int RtfParagraphNumbering::number() const
{
    const int count = m_counts[size_t(m_level)];
    return count == 0 ? m_start : count + 1;
}

QString RtfParagraphNumbering::label() const
{
    QString before = m_before;
    // A bullet from a symbol font: the bullet itself, whatever font draws it.
    if (m_bullet && (before == QStringLiteral("\u00B7") || before == QStringLiteral("\uF0B7")))
        before = QStringLiteral("\u2022");
    const QString number =
        m_bullet || m_continued ? QString() : RtfListNumber::text(this->number(), m_style);
    const QString text = before + number + m_after;
    return text.isEmpty() ? QString() : text + QLatin1Char('\t');
}

void RtfParagraphNumbering::paragraphEnd(bool numbered)
{
    if (numbered && !m_bullet && !m_continued) {
        m_counts[size_t(m_level)] = number();
        for (size_t below = size_t(m_level) + 1; below < m_counts.size(); ++below)
            m_counts[below] = 0;
    }
    // A paragraph without a number ends a simple list; an outline counts on.
    if (!numbered)
        m_counts[0] = 0;
}

} // namespace pagora
