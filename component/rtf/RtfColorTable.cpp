#include "RtfColorTable.h"

#include <algorithm>

namespace pagora {

void RtfColorTable::start()
{
    m_colors.clear();
    m_red = m_green = m_blue = 0;
    m_set = false;
}

void RtfColorTable::value(RtfControlWord::Id id, int n)
{
    const int value = std::clamp(n, 0, 255);
    switch (id) {
    case RtfControlWord::Id::Red:
        m_red = value;
        break;
    case RtfControlWord::Id::Green:
        m_green = value;
        break;
    case RtfControlWord::Id::Blue:
        m_blue = value;
        break;
    default:
        break;
    }
    m_set = true;
}

void RtfColorTable::text(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (c != ';')
            continue;
        m_colors << (m_set ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_set = false;
    }
}

QColor RtfColorTable::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
}

QColor RtfColorTable::shading(int back, int fore, int percent) const
{
    const QColor below = color(back);
    const QColor pattern = color(fore);
    if (!below.isValid() && percent == 0)
        return QColor();
    const QColor under = below.isValid() ? below : QColor(Qt::white);
    const QColor over = pattern.isValid() ? pattern : QColor(Qt::black);
    const double f = percent / 10000.0;
    return QColor::fromRgbF(under.redF() * (1 - f) + over.redF() * f,
                            under.greenF() * (1 - f) + over.greenF() * f,
                            under.blueF() * (1 - f) + over.blueF() * f);
}

void RtfColorTable::foreground(QTextCharFormat& format, int index) const
{
    if (const QColor c = color(index); c.isValid())
        format.setForeground(c);
    else
        format.clearForeground();
}

void RtfColorTable::background(QTextCharFormat& format, int index) const
{
    if (const QColor c = color(index); c.isValid())
        format.setBackground(c);
    else
        format.clearBackground();
}

} // namespace pagora
