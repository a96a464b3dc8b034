#pragma once

#include <QRect>

// Window geometry is designed in twips: 1440 to the inch, at the screen's logical DPI.
class Twips
{
public:
    static int x(int twips);
    static int y(int twips);
    static QRect rect(int left, int top, int width, int height);
    static QSize size(int width, int height);
};
