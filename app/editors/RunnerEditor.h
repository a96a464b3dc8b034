#pragma once

#include "ui/RecordWindow.h"

#include <optional>

class AppContext;
class QCheckBox;
class KeyedList;
class QComboBox;
class MainLists;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class ProgressionView;

// runnerInfo: one runner's name, phone, address, grade and team; saves, deletes, or starts the
// runner's report. One window, reused for every runner, hidden rather than destroyed.
class RunnerEditor : public RecordWindow
{
    Q_OBJECT
public:
    RunnerEditor(AppContext& app, MainLists& lists);

    bool build(qint64 runnerPin) override;
    qint64 runnerPin() const { return m_runnerPin; }

    bool save() override;
    void remove() override;

protected:
    QString snapshot() const override;
    QString saveQuestion() const override;

private:
    void showGrade();
    void showGender(const QString& stored);
    // What Save writes in the Gender column.
    QString chosenGender() const;
    void showBests();

    AppContext& m_app;
    MainLists& m_lists;
    qint64 m_runnerPin = 0;
    std::optional<qint64> m_team;
    QLineEdit* m_first;
    QLineEdit* m_last;
    QLineEdit* m_phone;
    QLineEdit* m_grade;
    QLineEdit* m_classOf;
    QComboBox* m_gender;
    QCheckBox* m_doNotPublish;
    // The gender as stored, written back as it was while the box shows what it says.
    QString m_storedGender;
    int m_storedGenderIndex = 0;
    QTableWidget* m_bests;
    ProgressionView* m_progression;
    QPlainTextEdit* m_address;
    KeyedList* m_teamBox;
};
