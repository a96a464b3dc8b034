#include "RtfColorTable.h"

#include <algorithm>

namespace pagora {

void RtfColorTable::start()
{
    m_colors.clear();
    m_red = m_green = m_blue = 0;
    m_set = false;
}

void RtfColorTable::setRed(int n)
{
    m_red = std::clamp(n, 0, 255);
    m_set = true;
}

void RtfColorTable::setGreen(int n)
{
    m_green = std::clamp(n, 0, 255);
    m_set = true;
}

void RtfColorTable::setBlue(int n)
{
    m_blue = std::clamp(n, 0, 255);
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

} // namespace pagora
