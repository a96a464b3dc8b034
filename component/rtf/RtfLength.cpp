#include "RtfLength.h"

#include "units/Twips.h"

#include <algorithm>

namespace pagora {

qreal RtfLength::fromTwips(int twips)
{
    constexpr int Largest = 22 * 1440;
    return std::clamp(twips, -Largest, Largest) * Twips::documentDpi() / Twips::PerInch;
}

qreal RtfLength::toTwips(qreal pixels)
{
    return pixels * Twips::PerInch / Twips::documentDpi();
}

} // namespace pagora
