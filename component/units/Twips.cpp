#include "Twips.h"

#include <QCoreApplication>
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

double Twips::documentDpi()
{
    // As Qt reckons it, rounding included: lengths read at any other DPI print off scale on a
    // desktop whose screen is not at 96.
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::round(screen->logicalDotsPerInchY());
    return 100.0;
}

QRect Twips::rect(int left, int top, int width, int height)
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize Twips::size(int width, int height)
{
    return QSize(x(width), y(height));
}
