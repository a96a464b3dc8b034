#include "Twips.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <cmath>

namespace {

double screenDpi(bool across)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double d = across ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return d > 0 ? d : 96.0;
}

} // namespace

int Twips::toPixels(double twips, double dpi)
{
    return static_cast<int>(std::lround(toPixelsExact(twips, dpi)));
}

double Twips::toPixelsExact(double twips, double dpi)
{
    return twips * dpi / PerInch;
}

int Twips::fromPixels(double pixels, double dpi)
{
    return static_cast<int>(std::lround(pixels * PerInch / (dpi > 0 ? dpi : 96.0)));
}

int Twips::x(const QPaintDevice* device, double twips)
{
    return toPixels(twips, device->logicalDpiX());
}

int Twips::y(const QPaintDevice* device, double twips)
{
    return toPixels(twips, device->logicalDpiY());
}

int Twips::x(int twips)
{
    return toPixels(twips, screenDpi(true));
}

int Twips::y(int twips)
{
    return toPixels(twips, screenDpi(false));
}

QRect Twips::rect(int left, int top, int width, int height)
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize Twips::size(int width, int height)
{
    return QSize(x(width), y(height));
}
