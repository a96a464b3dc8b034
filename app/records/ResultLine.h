#pragma once

#include <QString>

// A line of a results sheet as a coach types it into the runner picker's search: part of the
// runner's name, then optionally the place and the mark ("bro 2 12.41", "diaz 1 18-06.5").
// The name is everything before the first word that starts with a digit; the place is that
// word, and the mark is what follows it.
struct ResultLine
{
    QString name;
    QString place;
    QString mark;

    bool hasResults() const { return !place.isEmpty(); }
    static ResultLine read(const QString& typed);
};
