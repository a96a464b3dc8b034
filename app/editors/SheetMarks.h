#pragma once

#include "records/MeetSheet.h"

#include <QHash>
#include <QList>

class SheetControls;

// What the meet sheet marks on its slots besides their values.
class SheetMarks
{
public:
    // The entries that are the runner's PR or SB as of the meet, by join Pin (" PR", " SB"):
    // their runner is shown in bold, says so in its tooltip, and to a screen reader.
    static void bests(SheetControls& sheet, const QHash<qint64, QString>& words);
    // Colours the half-filled slots and tells a screen reader what each one lacks; the others
    // are shown plain.
    static void gaps(const SheetControls& sheet, const QList<MeetSheet::Gap>& gaps);
};
