#pragma once

#include <QString>

// Events as results files name them, mapped to the sheet's 17 event types by name and
// distance: "100 Meter Dash", "Girls 100", "100m", "4x1", "4 x 400 Meter Relay", "Shot",
// "SP", "Event 12 Boys Long Jump Finals". An event the sheet does not keep (the 55 m, the
// mile, the 110 m hurdles, a medley relay) is known as an event but gets type 0: it is never
// forced into another.
class EventNames
{
public:
    struct Heading
    {
        // 1 to 17; 0 for an event the sheet does not keep; -1 for text that names no event.
        int type = -1;
        QString gender;   // "F", "M", or empty
        QString division; // "Varsity", "JV", "Frosh-Soph"... when named
        QString round;    // "Finals", "Prelims"... when named
    };
    static Heading read(const QString& text);
    // What a gender word stands for: "F" for girls, women, "W", "F"; "M" for boys, men, "B",
    // "M"; empty for anything else.
    static QString gender(const QString& word);
};
