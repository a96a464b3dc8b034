#pragma once

#include <QObject>

class QMenuBar;

// Options › Hand Times: how a hand time ranks against automatic ones in every best, list and
// record. The choice is kept in the settings ("HandTimes") as soon as it is made, and read
// when the program starts.
class HandTimesMenu : public QObject
{
    Q_OBJECT
public:
    explicit HandTimesMenu(QMenuBar* bar);
    // The rule the settings name, for every ranking of this process.
    static void readSetting();
};
