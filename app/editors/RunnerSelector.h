#pragma once

#include <QPointer>
#include <QWidget>

class AppContext;
class KeyedList;
class QAbstractButton;
class QLabel;

// runnerSelector: picks the runner of one result slot of the meet sheet. The choice goes
// straight into the slot's button (the name) and hidden label (the runner's Pin, before the
// slot's join pin); nothing is written to the database here.
class RunnerSelector : public QWidget
{
    Q_OBJECT
public:
    explicit RunnerSelector(AppContext& app);

    // Offers the runners of a team for the given button and label.
    void build(qint64 team, QAbstractButton* box, QLabel* lbl);
    KeyedList* runnerList() const { return m_list; }
    // Puts the selected runner into the targets and hides the picker.
    void choose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_app;
    KeyedList* m_list;
    QPointer<QAbstractButton> m_box;
    QPointer<QLabel> m_lbl;
};
