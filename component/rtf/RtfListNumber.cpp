#include "RtfListNumber.h"

#include <array>

namespace pagora {

QString RtfListNumber::text(int number, int style)
{
    switch (style) {
    case 1:
        return roman(number);
    case 2:
        return roman(number).toLower();
    case 3:
        return letters(number);
    case 4:
        return letters(number).toLower();
    case 5: {
        // 11th to 13th, whatever their last digit.
        const int tens = number % 100, last = number % 10;
        const char* suffix = tens >= 11 && tens <= 13 ? "th"
                             : last == 1              ? "st"
                             : last == 2              ? "nd"
                             : last == 3              ? "rd"
                                                      : "th";
        return QString::number(number) + QLatin1String(suffix);
    }
    case 6:
    case 7:
        return words(number, style == 7);
    case 22:
        return number < 10 && number >= 0 ? QLatin1Char('0') + QString::number(number)
                                          : QString::number(number);
    case 23:
    case 255:
        return {};
    default:
        return QString::number(number);
    }
}

QString RtfListNumber::roman(int number)
{
    // Beyond what Roman numerals write well, the number itself.
    if (number <= 0 || number >= 4000)
        return QString::number(number);
    static constexpr std::array<std::pair<int, const char*>, 13> parts{{{1000, "M"},
                                                                        {900, "CM"},
                                                                        {500, "D"},
                                                                        {400, "CD"},
                                                                        {100, "C"},
                                                                        {90, "XC"},
                                                                        {50, "L"},
                                                                        {40, "XL"},
                                                                        {10, "X"},
                                                                        {9, "IX"},
                                                                        {5, "V"},
                                                                        {4, "IV"},
                                                                        {1, "I"}}};
    QString text;
    for (const auto& [value, letters] : parts)
        for (; number >= value; number -= value)
            text += QLatin1String(letters);
    return text;
}

QString RtfListNumber::letters(int number)
{
    // A to Z, then AA to ZZ, and so on, as word processors count.
    if (number <= 0)
        return QString::number(number);
    const int repeat = (number - 1) / 26 + 1;
    return QString(std::min(repeat, 100), QChar(u'A' + (number - 1) % 26));
}

QString RtfListNumber::words(int number, bool ordinal)
{
    static constexpr std::array<const char*, 20> ones{
        "Zero",     "One",     "Two",     "Three",     "Four",     "Five",    "Six",
        "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
        "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
    static constexpr std::array<const char*, 20> firsts{
        "Zeroth",    "First",     "Second",      "Third",      "Fourth",
        "Fifth",     "Sixth",     "Seventh",     "Eighth",     "Ninth",
        "Tenth",     "Eleventh",  "Twelfth",     "Thirteenth", "Fourteenth",
        "Fifteenth", "Sixteenth", "Seventeenth", "Eighteenth", "Nineteenth"};
    static constexpr std::array<const char*, 10> tens{
        "", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
    static constexpr std::array<const char*, 10> tenths{
        "",         "",         "Twentieth",  "Thirtieth", "Fortieth",
        "Fiftieth", "Sixtieth", "Seventieth", "Eightieth", "Ninetieth"};
    // Past ninety-nine, the number in figures.
    if (number < 0 || number > 99)
        return QString::number(number);
    if (number < 20)
        return QLatin1String(ordinal ? firsts[size_t(number)] : ones[size_t(number)]);
    const int unit = number % 10;
    if (unit == 0)
        return QLatin1String(ordinal ? tenths[size_t(number / 10)] : tens[size_t(number / 10)]);
    return QLatin1String(tens[size_t(number / 10)]) + QLatin1Char('-') +
           words(unit, ordinal).toLower();
}

} // namespace pagora
