#pragma once

#include <QString>
#include <optional>

// What high-school athletes run, jump and throw, one line an event: a mark beyond it is most
// likely a slip of the keyboard, and is named for the coach to confirm before a save.
class MarkLimits
{
public:
    struct Limit
    {
        double best;  // the fastest time or the farthest mark, in seconds or inches
        double worst; // the slowest time or the shortest mark
    };

    // Of an event type, 1 to 17.
    static Limit of(qint64 type);
    // Why a mark (in seconds or inches) cannot be right, or nothing: "8.10 is faster than any
    // high-school 100 Meter Dash (under 9.50)".
    static std::optional<QString> doubt(qint64 type, double value, const QString& typed);
    // A time typed as seconds alone that reads as minutes and seconds in a race of 800 m or
    // more ("2.33" in the 800 m): its minutes and seconds ("2", "33"), or nothing.
    static std::optional<std::pair<QString, QString>> minutesMeant(qint64 type, double seconds,
                                                                   const QString& typed);
    // A limit as a mark is written: "1:40.00", "82-00".
    static QString written(qint64 type, double value);
};
