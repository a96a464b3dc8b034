#pragma once

#include "ui/RecordWindow.h"

class AppContext;
class MainLists;
class QLineEdit;

// teamInfo: one team's school, coach, contact and mascot; saves, deletes, or starts the team's
// report. Closing it with the close box unloads it (after asking about changes); the next use
// makes it anew.
class TeamEditor : public RecordWindow
{
    Q_OBJECT
public:
    TeamEditor(AppContext& app, MainLists& lists);

    bool build(qint64 teamPin) override;
    qint64 teamPin() const { return m_teamPin; }

    bool save() override;
    void remove() override;

protected:
    QString snapshot() const override;
    QString saveQuestion() const override;

private:
    AppContext& m_app;
    MainLists& m_lists;
    qint64 m_teamPin = 0;
    QLineEdit* m_school;
    QLineEdit* m_coach;
    QLineEdit* m_contact;
    QLineEdit* m_mascot;
};
