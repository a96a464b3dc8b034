#pragma once

#include <QString>
#include <optional>

// A number typed into the meet sheet: a place, points, or one half of a mark.
class SheetNumber
{
public:
    // The number as it goes into SQL: whole or decimal, not negative, at most six digits
    // before the point and three after it; an empty box counts as 0. Nothing for anything
    // else (letters, commas, signs, exponents), which must not reach the statement.
    static std::optional<QString> sqlLiteral(const QString& typed);
    // The number's value; 0 for an empty box and for anything sqlLiteral refuses.
    static double value(const QString& typed);
    static QString rule();
};
