#pragma once

#include <QObject>

class AppContext;
class QCheckBox;
class QComboBox;
class QWidget;

// What the main window's lists show: the "Season" list above the meet list ("All seasons" and
// each year that has a meet, newest first, remembered in the settings), "Show graduates" under
// the runner list with the choice of girls, boys or everyone beside it (remembered too), above
// the event list whether its report and the school records are of girls, boys or both, and under
// it whether the event report lists each athlete's best only. The lists' choices live in the
// AppContext, where the lists, the pickers and the reports read them.
class ListFilters : public QObject
{
    Q_OBJECT
public:
    ListFilters(QWidget* clientArea, AppContext& app);

    // The years that have a meet, read again: the chosen season stays while it has meets.
    void refreshSeasons();
    QComboBox* seasonList() const { return m_season; }
    QCheckBox* showGraduates() const { return m_graduates; }
    QComboBox* runnerGender() const { return m_gender; }
    // The event report lists each athlete's best mark only.
    bool bestOnly() const;
    // The event and records reports are of girls ("F") or boys ("M"), or of both (empty).
    QString eventGender() const;

signals:
    // The season or the graduates' choice changed: the lists must be filled again.
    void changed();

private:
    void seasonChosen(int index);

    AppContext& m_app;
    QComboBox* m_season;
    QCheckBox* m_graduates;
    QComboBox* m_gender;
    QCheckBox* m_bestOnly;
    QComboBox* m_eventGender;
    bool m_filling = false;
};
