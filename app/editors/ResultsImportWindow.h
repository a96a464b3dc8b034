#pragma once

#include "records/ResultsImport.h"

#include <QWidget>
#include <optional>

class AppContext;
class MainLists;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// importResults: a meet's results from the host's file, shown before anything is written:
// the file's school that is the team, each of its athletes with what becomes of them (the
// runner they match, added to the roster, or skipped), and every result with where it goes
// on the sheet and what it replaces. Import writes it all in one transaction.
class ResultsImportWindow : public QWidget
{
    Q_OBJECT
public:
    ResultsImportWindow(AppContext& app, MainLists& lists);

    // Offers the teams and the team's meets, the given ones chosen (a new meet when none is).
    void build(qint64 team, std::optional<qint64> meet);
    // Reads a results file's bytes, as Open File does.
    void openBytes(const QByteArray& bytes, const QString& name);
    // Writes what the preview shows; false when nothing was written.
    bool import();
    const ResultsImport::Preview& preview() const { return m_preview; }

private:
    void openFile();
    void showFile(const ResultsFile& file, const QString& name);
    void fillMeets(std::optional<qint64> meet);
    // The school's results and athletes again, as the file, team or meet changed.
    void replan();
    void showAthletes();
    // Reads the athletes' choices and shows what will be written.
    void showPreview();
    qint64 team() const;
    std::optional<qint64> meet() const;

    AppContext& m_app;
    MainLists& m_lists;
    std::optional<ResultsFile> m_file;
    ResultsImport m_plan;
    std::optional<MeetSheet> m_sheet;
    ResultsImport::Preview m_preview;
    QComboBox* m_team;
    QComboBox* m_meet;
    QLabel* m_fileLabel;
    QComboBox* m_school;
    QTableWidget* m_athletes;
    QListWidget* m_list;
    QLabel* m_summary;
    QPushButton* m_import;
};
