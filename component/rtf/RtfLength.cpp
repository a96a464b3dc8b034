#include "RtfLength.h"

#include <algorithm>

namespace pagora {

qreal RtfLength::fromTwips(int twips)
{
    constexpr int Largest = 22 * 1440;
    return std::clamp(twips, -Largest, Largest) / 15.0;
}

} // namespace pagora
