#include "SheetEntry.h"

SheetNumbers SheetNumbers::fromBoxes(const QString& place, const QString& points,
                                     const QString& mark1, const QString& second)
{
    SheetNumbers n{place, points, mark1, second};
    if (const auto split = MarkNotes::split(second); split && !split->second.isEmpty()) {
        n.mark2 = split->first;
        n.notes = split->second;
    }
    return n;
}
