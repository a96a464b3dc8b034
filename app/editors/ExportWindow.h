#pragma once

#include <QWidget>
#include <optional>

class AppContext;
class QRadioButton;

// exportData: results or a roster as a CSV file: the selected meet's results, the season's, or
// every result, or the selected team's roster (which Import Roster reads back).
class ExportWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ExportWindow(AppContext& app);

    // What can be exported now: the meet and team selected in the main window, the season it
    // shows.
    void build(std::optional<qint64> team, std::optional<qint64> meet);
    // Asks where, and writes the chosen export there; false when nothing was written.
    bool save();

private:
    AppContext& m_app;
    std::optional<qint64> m_team, m_meet;
    QRadioButton* m_meetResults;
    QRadioButton* m_seasonResults;
    QRadioButton* m_allResults;
    QRadioButton* m_roster;
};
