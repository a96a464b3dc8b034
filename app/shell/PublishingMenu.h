#pragma once

#include <QObject>

class QMenuBar;

// Options › Publishing: how the team's website names athletes ("First Last" or "First L.")
// and whether it gives their grades. Kept in the settings ("PublishNames", "PublishGrades") as
// soon as chosen, and read when the program starts.
class PublishingMenu : public QObject
{
    Q_OBJECT
public:
    explicit PublishingMenu(QMenuBar* bar);
    // The style the settings name, for every site this process publishes.
    static void readSetting();
};
