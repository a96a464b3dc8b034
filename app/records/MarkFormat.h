#pragma once

#include <QString>

// A mark written as Events_View writes it in MeasureTime, for the many-row reads that format
// marks themselves rather than ask both engines to: "12.35", "4:32.15", "18-06", "18-06.50";
// nothing for a slot without a mark. The halves are the slot's stored columns.
class MarkFormat
{
public:
    static QString text(qint64 eventType, double feet, double inches, double minutes,
                        double seconds);
    // A time in seconds as the view writes one: "12.35", "4:32.15".
    static QString time(double seconds);
    // A number in hundredths, rounded half away from zero as both engines round it: from the
    // decimal the number stands for (12.345, not the binary fraction just below it).
    static qint64 hundredths(double value);
};
