#pragma once

#include <QtGlobal>

namespace pagora {

// Lengths in RTF are twips; a QTextDocument measures in pixels at Qt's font DPI, which its
// layout scales to the device it lays out for. A length beyond the largest paper a printer
// takes (22 inches) means nothing, and a line millions of points high keeps the layout busy
// for minutes: lengths are held to that size.
class RtfLength
{
public:
    static qreal fromTwips(int twips);
    static qreal toTwips(qreal pixels);
};

} // namespace pagora
