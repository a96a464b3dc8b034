#pragma once

#include "records/ResultLine.h"

#include <QPointer>
#include <QWidget>

class AppContext;
class KeyedList;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;

// runnerSelector: picks the runner of one result slot of the meet sheet. The choice goes
// straight into the slot's button (the name) and hidden label (the runner's Pin, before the
// slot's join pin); nothing is written to the database here.
class RunnerSelector : public QWidget
{
    Q_OBJECT
public:
    // Another entry of the same event: its button (the runner's name) and hidden label.
    struct Entry
    {
        QPointer<QAbstractButton> box;
        QPointer<QLabel> lbl;
    };

    explicit RunnerSelector(AppContext& app);

    // Offers the runners of a team for the given button and label. A runner already in one
    // of the event's other entries, or among `taken`, is marked and cannot be picked. With the
    // entry's name ("100 Meter Dash, first entry") the title names it. With a gender ("F" or
    // "M") only the runners of that gender, and those whose gender is not known, are offered
    // until "Show all runners" is checked.
    void build(qint64 team, QAbstractButton* box, QLabel* lbl, const QString& event = {},
               const QList<Entry>& others = {}, const QString& entry = {},
               const QString& gender = {}, const QList<qint64>& taken = {});
    QCheckBox* showAll() const { return m_showAll; }
    KeyedList* runnerList() const { return m_list; }
    QLineEdit* search() const { return m_search; }
    // Shows the picker beside a control of another window, inside the screen.
    void placeBeside(const QWidget* control);
    // Puts the selected runner into the targets and hides the picker.
    void choose();
    // Enter in the search box: the only runner left, or the selected one.
    void chooseFound();
    // The place and mark typed after the name in the search, with the last choice.
    ResultLine results() const { return m_results; }

signals:
    // A runner was written into the target button and label.
    void chosen();
    // Escape closed the picker without a choice.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Hides the runners whose name does not hold the search text, and keeps a visible one
    // selected.
    void narrow();
    void moveSelection(int step);
    QList<QListWidgetItem*> shown() const;
    // The runners already in another entry of the event.
    QList<qint64> takenRunners() const;

    AppContext& m_app;
    QLineEdit* m_search;
    QCheckBox* m_showAll;
    QString m_gender;
    QList<qint64> m_taken;
    KeyedList* m_list;
    QPointer<QAbstractButton> m_box;
    QPointer<QLabel> m_lbl;
    QString m_event;
    QList<Entry> m_others;
    ResultLine m_results;
};
