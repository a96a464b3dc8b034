#pragma once

#include <QRect>

class QPaintDevice;

// Twips, the unit of every window geometry and page length of the program and the component:
// 1440 to the inch, turned into pixels at a device's (or the screen's) logical DPI.
class Twips
{
public:
    static constexpr int PerInch = 1440;

    // At a given DPI, rounded to whole pixels or twips, and unrounded.
    static int toPixels(double twips, double dpi);
    static double toPixelsExact(double twips, double dpi);
    static int fromPixels(double pixels, double dpi);

    // At a device's logical DPI, across and down.
    static int x(const QPaintDevice* device, double twips);
    static int y(const QPaintDevice* device, double twips);

    // At the primary screen's logical DPI.
    static int x(int twips);
    static int y(int twips);
    static QRect rect(int left, int top, int width, int height);
    static QSize size(int width, int height);

    // The DPI of a QTextDocument's lengths: Qt sizes fonts by it, and lays a document out for a
    // device by scaling them by the device's DPI over this one. It is the screen's, not 96.
    static double documentDpi();
};
