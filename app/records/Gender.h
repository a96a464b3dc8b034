#pragma once

#include <QString>

// A runner's gender as the program compares it: "F" or "M" from what a roster or the runner
// editor stored ("F", "Girl", "W"...; "M", "Boy"...), or empty when it does not say.
class Gender
{
public:
    static QString of(const QString& stored);
};
