#pragma once

#include <QString>

// A runner's stored name is "Last,First" (new runners) or "Last, First" (saved ones).
class RunnerName
{
public:
    QString first;
    QString last;

    // Everything before the first comma is the last name, the text after it (as stored, so
    // usually with a leading blank) the first name. A name without a comma is all last name.
    static RunnerName split(const QString& stored);
    // Commas removed from both parts, both trimmed, joined with a comma and a blank; a last
    // name without a first name stands alone.
    static QString join(const QString& first, const QString& last);
};
