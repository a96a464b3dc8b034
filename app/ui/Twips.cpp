#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

double dpi(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double d = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return d > 0 ? d : 96.0;
}

} // namespace

int Twips::x(int twips)
{
    return static_cast<int>(std::lround(twips * dpi(true) / 1440.0));
}

int Twips::y(int twips)
{
    return static_cast<int>(std::lround(twips * dpi(false) / 1440.0));
}

QRect Twips::rect(int left, int top, int width, int height)
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize Twips::size(int width, int height)
{
    return QSize(x(width), y(height));
}
