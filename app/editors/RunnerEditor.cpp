#include "RunnerEditor.h"

#include "data/DatabaseError.h"
#include "data/Field.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "records/AppContext.h"
#include "records/RunnerName.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"
#include "ui/MainLists.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

RunnerEditor::RunnerEditor(AppContext& app, MainLists& lists) : m_app(app), m_lists(lists)
{
    setObjectName(QStringLiteral("runnerInfo"));
    setWindowTitle(QStringLiteral("Runner Information"));
    setFixedSize(Twips::size(8865, 4245));

    m_first = Controls::textBox(this, QStringLiteral("nameLabel_0"), QStringLiteral("Name"), 1200,
                                360, 1815, 375);
    m_first->setText(QStringLiteral("First"));
    m_first->setAccessibleDescription(QStringLiteral("First name"));
    m_last = Controls::textBox(this, QStringLiteral("nameLabel_1"), QStringLiteral("Name"), 3000,
                               360, 1815, 375);
    m_last->setText(QStringLiteral("Last"));
    m_last->setAccessibleDescription(QStringLiteral("Last name"));
    m_phone = Controls::textBox(this, QStringLiteral("phoneLabel"), QStringLiteral("Phone"), 1200,
                                720, 2055, 375);
    m_phone->setText(QStringLiteral("Phone"));
    m_grade = Controls::textBox(this, QStringLiteral("gradeBox"), QStringLiteral("Grade"), 3960,
                                720, 855, 375);
    m_grade->setMaxLength(4);
    m_address = Controls::multiLineBox(this, QStringLiteral("AddressLabel"),
                                       QStringLiteral("Address"), 1200, 1200, 3615, 1455);
    m_address->setPlainText(QStringLiteral("Address"));
    m_teamBox = Controls::list(this, QStringLiteral("teamBox"), QStringLiteral("Team"), 6120, 360,
                               2055, 2295);
    auto* report = Controls::button(this, QStringLiteral("reportButton"),
                                    QStringLiteral("Run Report"), 3960, 3360, 1095, 375);
    auto* del = Controls::button(this, QStringLiteral("deleteButton"),
                                 QStringLiteral("Delete Runner"), 5280, 3360, 1455, 375);
    auto* update = Controls::button(this, QStringLiteral("updateButton"),
                                    QStringLiteral("Update Info"), 6960, 3360, 1455, 375);

    Controls::label(this, QStringLiteral("Label1"), QStringLiteral("Name"), 120, 480, 1215, 255);
    Controls::label(this, QStringLiteral("Label2"), QStringLiteral("Phone"), 120, 840, 1215, 255);
    Controls::label(this, QStringLiteral("Label3"), QStringLiteral("Address"), 120, 1320, 1215,
                    255);
    Controls::label(this, QStringLiteral("gradeLabel"), QStringLiteral("Grade"), 3360, 840, 600,
                    255)
        ->setBuddy(m_grade);
    Controls::label(this, QStringLiteral("label4"), QStringLiteral("Team"), 5280, 360, 1215, 255);

    setTabOrder(m_first, m_last);
    setTabOrder(m_last, m_phone);
    setTabOrder(m_phone, m_grade);
    setTabOrder(m_grade, m_address);
    setTabOrder(m_address, m_teamBox);
    setTabOrder(m_teamBox, report);
    setTabOrder(report, del);
    setTabOrder(del, update);

    setUpdateButton(update);
    connect(update, &QPushButton::clicked, this, &RunnerEditor::save);
    connect(del, &QPushButton::clicked, this, &RunnerEditor::remove);
    connect(report, &QPushButton::clicked, this, [this] { emit reportRequested(m_runnerPin); });
}

bool RunnerEditor::build(qint64 runnerPin)
{
    const QString pin = QString::number(runnerPin);
    try {
        // The view is named in the filter: SQLite does not know it by its base table's name.
        RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Runners_View.Pin = ") + pin,
                     m_app.connection());
        std::optional<qint64> team;
        if (rs.eof()) {
            // A runner without a team link is not in the view; show it all the same.
            rs.open(QStringLiteral("SELECT * From Runners WHERE Pin = ") + pin, m_app.connection());
            if (rs.eof()) {
                Dialogs::tell(this, QStringLiteral("This runner is no longer in the database."),
                              Dialogs::Icon::Warning);
                return false;
            }
        } else {
            team = rs.field(QStringLiteral("team_pin")).toInt();
        }
        const RunnerName name = RunnerName::split(rs.field(QStringLiteral("Name")).text());
        RecordSet teams(QStringLiteral("SELECT * From Teams"), m_app.connection());

        m_runnerPin = runnerPin;
        m_team = team;
        m_first->setText(name.first);
        m_last->setText(name.last);
        m_phone->setText(rs.field(QStringLiteral("PhoneNumber")).text());
        m_address->setPlainText(rs.field(QStringLiteral("Address")).text());
        const Field grade = rs.field(QStringLiteral("Grade"));
        m_grade->setText(grade.isNull() || grade.toInt() == 0 ? QString() : grade.text());
        m_teamBox->clear();
        for (; !teams.eof(); teams.moveNext())
            m_teamBox->addKeyedItem(pinKey(teams.field(QStringLiteral("Pin")).toInt()),
                                    teams.field(QStringLiteral("School")).text());
        if (team)
            m_teamBox->selectKey(pinKey(*team));
        markUnchanged();
        // A new runner's placeholder name is there to be typed over.
        if (name.first == QLatin1String("First") && name.last == QLatin1String("Last"))
            offerForTyping(m_first);
        return true;
    } catch (const DatabaseError& e) {
        Dialogs::tell(this, QStringLiteral("The runner could not be read.\n\n") + e.message(),
                      Dialogs::Icon::Warning);
        return false;
    }
}

QString RunnerEditor::snapshot() const
{
    return QStringList{m_first->text(), m_last->text(),           m_phone->text(),
                       m_grade->text(), m_address->toPlainText(), m_teamBox->selectedKey()}
        .join(QChar(0));
}

QString RunnerEditor::saveQuestion() const
{
    return QStringLiteral("Save the changes to this runner?");
}

bool RunnerEditor::save()
{
    const QString gradeText = m_grade->text().trimmed();
    bool gradeOk = false;
    const int grade = gradeText.toInt(&gradeOk);
    if (!gradeText.isEmpty() && (!gradeOk || grade < 1 || grade > 12)) {
        Dialogs::tell(this,
                      QStringLiteral("The Grade box holds \"%1\", but it must hold a whole number "
                                     "from 1 to 12, or nothing. Nothing was saved.")
                          .arg(m_grade->text()),
                      Dialogs::Icon::Warning);
        m_grade->setFocus();
        m_grade->selectAll();
        return false;
    }
    const QString gradeSql = gradeText.isEmpty() ? QStringLiteral("NULL") : QString::number(grade);
    const QString pin = QString::number(m_runnerPin);
    const QString name = RunnerName::join(m_first->text(), m_last->text());
    // Without a chosen team the runner keeps the one it has: a save never leaves it teamless.
    std::optional<qint64> team = m_team;
    if (!m_teamBox->selectedKey().isEmpty())
        team = pinFromKey(m_teamBox->selectedKey());
    try {
        m_app.connection().transaction([&] {
            m_app.connection().execute(
                QStringLiteral("UPDATE Runners Set Name='") + escapeSqlText(name) +
                QStringLiteral("',PhoneNumber='") + escapeSqlText(m_phone->text()) +
                QStringLiteral("', Address='") + escapeSqlText(m_address->toPlainText()) +
                QStringLiteral("', Grade=") + gradeSql + QStringLiteral(" WHERE Pin=") + pin);
            if (team) {
                m_app.connection().execute(
                    QStringLiteral("DELETE From Runner_to_Team where Runner_Pin = ") + pin);
                m_app.connection().execute(
                    QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin,Team_Pin) VALUES (") +
                    pin + QLatin1Char(',') + QString::number(*team) + QLatin1Char(')'));
            }
        });
    } catch (const DatabaseError& e) {
        Dialogs::tell(this,
                      QStringLiteral("The runner was not saved; nothing was changed.\n\n") +
                          e.message(),
                      Dialogs::Icon::Warning);
        return false;
    }
    m_team = team;
    markUnchanged();
    Dialogs::tell(this, QStringLiteral("Runner Updated Successfully."));
    hide();
    m_lists.buildTeamList();
    return true;
}

void RunnerEditor::remove()
{
    if (!Dialogs::ask(this, QStringLiteral("Delete Runner?")))
        return;
    const QString pin = QString::number(m_runnerPin);
    try {
        m_app.connection().transaction([&] {
            m_app.connection().execute(
                QStringLiteral("DELETE FROM Runner_to_Team where Runner_Pin=") + pin);
            // The runner's slots stay in their meets, emptied: every sheet keeps its shape.
            m_app.connection().execute(
                QStringLiteral("UPDATE Event_to_Runner SET Runner_Pin=0, Place=0, Points=0, "
                               "feet=0, Inches=0, Minutes=0, Seconds=0 where Runner_Pin=") +
                pin);
            m_app.connection().execute(QStringLiteral("DELETE FROM Runners where Pin=") + pin);
        });
    } catch (const DatabaseError& e) {
        Dialogs::tell(this,
                      QStringLiteral("The runner was not deleted; nothing was changed.\n\n") +
                          e.message(),
                      Dialogs::Icon::Warning);
        return;
    }
    m_lists.buildTeamList();
    hide();
}
