#pragma once

#include <QPointer>
#include <QWidget>

class AppContext;
class KeyedList;
class QAbstractButton;

// teamSelector: picks the hosting school of a meet into the meet sheet's button, as the
// team's Pin, a blank and the school.
class TeamSelector : public QWidget
{
    Q_OBJECT
public:
    explicit TeamSelector(AppContext& app);

    void build(QAbstractButton* box);
    KeyedList* teamList() const { return m_list; }
    void choose();

signals:
    // A team was written into the target button.
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& m_app;
    KeyedList* m_list;
    QPointer<QAbstractButton> m_box;
};
