#pragma once

#include "records/RosterFile.h"
#include "records/RosterImport.h"

#include <QWidget>

class AppContext;
class MainLists;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// importRoster: a roster from a file or pasted from a spreadsheet, shown before anything is
// added: the runners to add, those the team has already, and every line that cannot be taken.
// Import adds the new runners to the chosen team in one transaction.
class RosterImportWindow : public QWidget
{
    Q_OBJECT
public:
    RosterImportWindow(AppContext& app, MainLists& lists);

    // Offers the teams, the given one chosen, and an empty roster.
    void build(qint64 team);
    // Reads a roster file's bytes, as Open File does.
    void openBytes(const QByteArray& bytes, const QString& name);
    // Adds the runners shown to the team; false when nothing was added.
    bool import();

private:
    void openFile();
    void preview();
    qint64 team() const;

    AppContext& m_app;
    MainLists& m_lists;
    RosterFile m_roster;
    RosterImport m_plan;
    QComboBox* m_team;
    QPushButton* m_open;
    QPlainTextEdit* m_text;
    QListWidget* m_preview;
    QLabel* m_summary;
    QPushButton* m_import;
    bool m_fromFile = false;
};
