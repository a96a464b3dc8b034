#pragma once

#include <QObject>

class AppContext;
class QActionGroup;
class QMenuBar;

// Options › Scoring: the table that fills the meet sheet's points from places. The choice is
// kept in the settings ("Scoring") as soon as it is made, and read when the program starts.
class ScoringMenu : public QObject
{
    Q_OBJECT
public:
    ScoringMenu(QMenuBar* bar, AppContext& app);

private:
    AppContext& m_app;
    QActionGroup* m_group;
};
