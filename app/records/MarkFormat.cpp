#include "MarkFormat.h"

#include "data/MarkOrder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A mark's few characters, made into a string once: an export writes a hundred thousand.
struct Characters
{
    char c[48];
    int size = 0;
    void put(char ch) { c[size++] = ch; }
    QString string() const { return QString::fromLatin1(c, size); }
};

// A whole number as printf's "%0*lld" writes it: a minus sign counts toward the width.
void putNumber(Characters& out, qint64 number, int width)
{
    char digits[24];
    int count = 0;
    quint64 rest = number < 0 ? 0 - quint64(number) : quint64(number);
    do {
        digits[count++] = char('0' + rest % 10);
        rest /= 10;
    } while (rest);
    if (number < 0) {
        out.put('-');
        --width;
    }
    for (int i = count; i < width; ++i)
        out.put('0');
    while (count)
        out.put(digits[--count]);
}

// Hundredths as "%0*.2f" writes them.
void putDecimal(Characters& out, qint64 hundredths, int width)
{
    const quint64 size = hundredths < 0 ? 0 - quint64(hundredths) : quint64(hundredths);
    if (hundredths < 0) {
        out.put('-');
        --width;
    }
    putNumber(out, qint64(size / 100), width - 3);
    out.put('.');
    out.put(char('0' + size % 100 / 10));
    out.put(char('0' + size % 10));
}

} // namespace

qint64 MarkFormat::hundredths(double value)
{
    // Both engines see a double as its first 15 significant digits (a server casts it to a
    // decimal so), and round that decimal. For a number of a mark's size those digits lie
    // within a hair of the double, so only one close to half a hundredth needs them written.
    const double size = std::fabs(value);
    if (!std::isfinite(value) || size >= 1e12)
        return std::isfinite(value) ? std::llround(value * 100) : 0;
    const double scaled = size * 100;
    if (size < 1e9 && std::fabs(scaled - std::floor(scaled) - 0.5) > 1e-3) {
        const qint64 near = std::llround(scaled);
        return value < 0 ? -near : near;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", size);
    qint64 digits = 0;
    const char* c = text;
    for (; *c && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            digits = digits * 10 + (*c - '0');
    const int exponent = *c == 'e' ? std::atoi(c + 1) : 0;
    // digits * 10^(exponent - 14) in hundredths; below 1e12 that is always a division.
    const int drop = 12 - exponent;
    qint64 result = 0;
    if (drop <= 18) {
        qint64 divisor = 1;
        for (int i = 0; i < drop; ++i)
            divisor *= 10;
        result = digits / divisor + (digits % divisor * 2 >= divisor ? 1 : 0);
    }
    return value < 0 ? -result : result;
}

QString MarkFormat::text(qint64 eventType, double feet, double inches, double minutes,
                         double seconds)
{
    if (feet == 0 && inches == 0)
        return {};
    if (MarkOrder::isField(eventType)) {
        Characters out;
        const qint64 total = hundredths(feet * 12 + inches);
        const qint64 wholeFeet = total / 1200;
        const qint64 rest = total - wholeFeet * 1200;
        putNumber(out, wholeFeet, 1);
        out.put('-');
        if (rest % 100 == 0)
            putNumber(out, rest / 100, 2);
        else
            putDecimal(out, rest, 5);
        return out.string();
    }
    return time(minutes * 60 + seconds);
}

QString MarkFormat::time(double seconds)
{
    Characters out;
    const qint64 total = hundredths(seconds);
    if (total < 6000) {
        putDecimal(out, total, 1);
        return out.string();
    }
    putNumber(out, total / 6000, 1);
    out.put(':');
    putDecimal(out, total % 6000, 5);
    return out.string();
}
