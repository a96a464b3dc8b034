#include "TeamEditor.h"

#include "records/AppContext.h"
#include "records/TeamRecord.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QLineEdit>
#include <QPushButton>

TeamEditor::TeamEditor(AppContext& app, MainLists& lists) : m_app(app), m_lists(lists)
{
    setObjectName(QStringLiteral("teamInfo"));
    setWindowTitle(QStringLiteral("Team Information"));
    setFixedSize(Twips::size(5475, 2535));

    m_school = Controls::textBox(this, QStringLiteral("schoolLabel"), QStringLiteral("Name"), 1200,
                                 240, 3615, 375);
    m_coach = Controls::textBox(this, QStringLiteral("coachLabel"), QStringLiteral("Coach"), 1200,
                                600, 2055, 375);
    m_contact = Controls::textBox(this, QStringLiteral("contactLabel"), QStringLiteral("Contact #"),
                                  1200, 960, 2055, 375);
    m_mascot = Controls::textBox(this, QStringLiteral("mascotLabel"), QStringLiteral("Mascot"),
                                 1200, 1320, 2055, 375);
    for (QLineEdit* box : {m_school, m_coach, m_contact, m_mascot})
        box->setText(QStringLiteral("Text1"));
    auto* report = Controls::button(this, QStringLiteral("reportButton"),
                                    QStringLiteral("Run Report"), 360, 1800, 1335, 375);
    auto* del = Controls::button(this, QStringLiteral("deleteButton"),
                                 QStringLiteral("Delete Team"), 1800, 1800, 1455, 375);
    auto* update = Controls::button(this, QStringLiteral("updateButton"),
                                    QStringLiteral("Update Info"), 3360, 1800, 1455, 375);

    Controls::label(this, QStringLiteral("Label1"), QStringLiteral("Name"), 120, 360, 1215, 255);
    Controls::label(this, QStringLiteral("Label2"), QStringLiteral("Coach"), 120, 720, 1215, 255);
    Controls::label(this, QStringLiteral("Label3"), QStringLiteral("Contact #"), 120, 1080, 1215,
                    255);
    Controls::label(this, QStringLiteral("Label4"), QStringLiteral("Mascot"), 120, 1440, 1215, 255);

    setTabOrder(m_school, m_coach);
    setTabOrder(m_coach, m_contact);
    setTabOrder(m_contact, m_mascot);
    setTabOrder(m_mascot, report);
    setTabOrder(report, del);
    setTabOrder(del, update);

    setUpdateButton(update);
    connect(update, &QPushButton::clicked, this, &TeamEditor::save);
    connect(del, &QPushButton::clicked, this, &TeamEditor::remove);
    connect(report, &QPushButton::clicked, this, [this] { emit reportRequested(m_teamPin); });
}

bool TeamEditor::build(qint64 teamPin)
{
    std::optional<TeamRecord> team;
    if (!UserAction::run(this, QStringLiteral("The team could not be read."),
                         [&] { team = TeamRecord::load(m_app.connection(), teamPin); }))
        return false;
    if (!team) {
        Dialogs::tell(this, QStringLiteral("This team is no longer in the database."),
                      Dialogs::Icon::Warning);
        return false;
    }
    m_teamPin = teamPin;
    m_school->setText(team->school);
    m_coach->setText(team->coach);
    m_contact->setText(team->contact);
    m_mascot->setText(team->mascot);
    markUnchanged();
    if (m_school->text() == QLatin1String("New Team"))
        offerForTyping(m_school);
    return true;
}

QString TeamEditor::snapshot() const
{
    return QStringList{m_school->text(), m_coach->text(), m_contact->text(), m_mascot->text()}.join(
        QChar(0));
}

QString TeamEditor::saveQuestion() const
{
    return QStringLiteral("Save the changes to this team?");
}

bool TeamEditor::save()
{
    const TeamRecord team{m_teamPin, m_school->text(), m_coach->text(), m_contact->text(),
                          m_mascot->text()};
    if (!UserAction::run(this, QStringLiteral("The team was not saved; nothing was changed."),
                         [&] { team.save(m_app.connection()); }))
        return false;
    markUnchanged();
    Dialogs::tell(this, QStringLiteral("Team Updated Successfully."));
    hide();
    m_lists.buildSchoolList();
    return true;
}

void TeamEditor::remove()
{
    if (!Dialogs::ask(this, QStringLiteral("Delete Team?")))
        return;
    if (!UserAction::run(this, QStringLiteral("The team was not deleted; nothing was changed."),
                         [&] { TeamRecord::remove(m_app.connection(), m_teamPin); }))
        return;
    m_lists.buildSchoolList();
    hide();
}
