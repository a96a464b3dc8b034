#pragma once

#include <QString>

namespace pagora {

// A list level's number as its \levelnfc style writes it: 1, I, i, A, a, 1st, One, First,
// 01, or nothing for a bullet or a level without a number.
class RtfListNumber
{
public:
    static QString text(int number, int style);

private:
    static QString roman(int number);
    static QString letters(int number);
    static QString words(int number, bool ordinal);
};

} // namespace pagora
