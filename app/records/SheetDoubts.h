#pragma once

#include <QList>
#include <QString>

class MeetSheet;

// The marks of a sheet that cannot be right as they stand, asked about before a save: a time
// typed as seconds that reads as minutes ("2.33" in the 800 m), offered as "2:33", and any
// mark beyond what high-school athletes do (MarkLimits), for the coach to confirm.
class SheetDoubts
{
public:
    struct Offer
    {
        int division, event, entry;
        QString question;
        QString mark1, mark2; // the boxes' texts if the coach says yes
    };
    struct Doubt
    {
        int division, event, entry;
        QString text;
    };

    static QList<Offer> offers(const MeetSheet& sheet);
    static QList<Doubt> doubts(const MeetSheet& sheet);
};
