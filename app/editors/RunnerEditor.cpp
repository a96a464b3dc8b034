#include "RunnerEditor.h"

#include "data/SqlText.h"
#include "editors/ProgressionView.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "records/Gender.h"
#include "records/MeetSheet.h"
#include "records/RunnerRecord.h"
#include "records/SchoolYear.h"
#include "records/TrackLists.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

RunnerEditor::RunnerEditor(AppContext& app, MainLists& lists) : m_app(app), m_lists(lists)
{
    setObjectName(QStringLiteral("runnerInfo"));
    setWindowTitle(QStringLiteral("Runner Information"));
    // The personal bests' table and the progression below the designed window make it taller.
    setFixedSize(Twips::size(8865, 10185));

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
    m_classOf = Controls::textBox(this, QStringLiteral("classOfBox"), QStringLiteral("Class of"),
                                  1200, 2760, 855, 375);
    m_classOf->setMaxLength(4);
    // A class year sets the grade, which then follows the school years by itself.
    connect(m_classOf, &QLineEdit::textChanged, this, &RunnerEditor::showGrade);
    m_gender = new QComboBox(this);
    m_gender->setObjectName(QStringLiteral("genderBox"));
    m_gender->setAccessibleName(QStringLiteral("Gender"));
    m_gender->setGeometry(Twips::rect(3000, 2760, 1815, 375));
    m_address = Controls::multiLineBox(this, QStringLiteral("AddressLabel"),
                                       QStringLiteral("Address"), 1200, 1200, 3615, 1455);
    m_address->setPlainText(QStringLiteral("Address"));
    m_teamBox = Controls::list(this, QStringLiteral("teamBox"), QStringLiteral("Team"), 6120, 360,
                               2055, 2295);
    m_bests = new QTableWidget(0, 3, this);
    m_bests->setObjectName(QStringLiteral("prTable"));
    m_bests->setAccessibleName(QStringLiteral("Personal bests"));
    m_bests->setHorizontalHeaderLabels(
        {QStringLiteral("Event"), QStringLiteral("PR"), QStringLiteral("Date")});
    m_bests->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bests->setSelectionMode(QAbstractItemView::NoSelection);
    m_bests->verticalHeader()->hide();
    m_bests->verticalHeader()->setDefaultSectionSize(m_bests->fontMetrics().height() + 6);
    m_bests->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_bests->setGeometry(Twips::rect(120, 3900, 8295, 2235));
    m_progression = new ProgressionView(this);
    m_progression->setGeometry(Twips::rect(120, 6255, 8295, 3735));
    // A minor whose family asked to be left off the team's website.
    m_doNotPublish = new QCheckBox(QStringLiteral("Do not &publish"), this);
    m_doNotPublish->setObjectName(QStringLiteral("doNotPublishBox"));
    m_doNotPublish->setToolTip(QStringLiteral("On the team's website this runner is \"Athlete\", "
                                              "without a page"));
    m_doNotPublish->setGeometry(Twips::rect(1200, 3360, 2640, 375));
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
    Controls::label(this, QStringLiteral("classOfLabel"), QStringLiteral("Class of"), 120, 2880,
                    1035, 255)
        ->setBuddy(m_classOf);
    Controls::label(this, QStringLiteral("genderLabel"), QStringLiteral("Gender"), 2160, 2880, 840,
                    255)
        ->setBuddy(m_gender);

    setTabOrder(m_first, m_last);
    setTabOrder(m_last, m_phone);
    setTabOrder(m_phone, m_grade);
    setTabOrder(m_grade, m_address);
    setTabOrder(m_address, m_classOf);
    setTabOrder(m_classOf, m_gender);
    setTabOrder(m_gender, m_doNotPublish);
    setTabOrder(m_doNotPublish, m_teamBox);
    setTabOrder(m_teamBox, report);
    setTabOrder(report, del);
    setTabOrder(del, update);
    setTabOrder(update, m_bests);

    setUpdateButton(update);
    connect(update, &QPushButton::clicked, this, &RunnerEditor::save);
    connect(del, &QPushButton::clicked, this, &RunnerEditor::remove);
    connect(report, &QPushButton::clicked, this, [this] { emit reportRequested(m_runnerPin); });
}

bool RunnerEditor::build(qint64 runnerPin)
{
    std::optional<RunnerRecord> runner;
    QList<TrackLists::Item> teams;
    if (!UserAction::run(this, QStringLiteral("The runner could not be read."), [&] {
            runner = RunnerRecord::load(m_app.connection(), runnerPin);
            teams = TrackLists::teams(m_app.connection());
        }))
        return false;
    if (!runner) {
        Dialogs::tell(this, QStringLiteral("This runner is no longer in the database."),
                      Dialogs::Icon::Warning);
        return false;
    }
    m_runnerPin = runnerPin;
    m_team = runner->team;
    m_first->setText(runner->first);
    m_last->setText(runner->last);
    m_phone->setText(runner->phone);
    m_address->setPlainText(runner->address);
    m_grade->setText(runner->grade ? QString::number(*runner->grade) : QString());
    m_classOf->setText(runner->classOf ? QString::number(*runner->classOf) : QString());
    showGender(runner->gender);
    m_doNotPublish->setChecked(runner->doNotPublish);
    showBests();
    m_teamBox->clear();
    m_teamBox->addKeyedItems(teams);
    if (runner->team)
        m_teamBox->selectKey(pinKey(*runner->team));
    markUnchanged();
    // A new runner's placeholder name is there to be typed over.
    if (runner->first == QLatin1String("First") && runner->last == QLatin1String("Last"))
        offerForTyping(m_first);
    return true;
}

QString RunnerEditor::snapshot() const
{
    return QStringList{m_first->text(),
                       m_last->text(),
                       m_phone->text(),
                       m_grade->text(),
                       m_classOf->text(),
                       m_address->toPlainText(),
                       m_teamBox->selectedKey(),
                       m_gender->currentText(),
                       m_doNotPublish->isChecked() ? QStringLiteral("x") : QString()}
        .join(QChar(0));
}

QString RunnerEditor::saveQuestion() const
{
    return QStringLiteral("Save the changes to this runner?");
}

bool RunnerEditor::save()
{
    RunnerRecord runner{m_runnerPin,
                        m_first->text(),
                        m_last->text(),
                        m_phone->text(),
                        m_address->toPlainText(),
                        std::nullopt,
                        m_team,
                        std::nullopt,
                        {},
                        m_doNotPublish->isChecked()};
    if (!RunnerRecord::readGrade(m_grade->text(), &runner.grade)) {
        Dialogs::tell(this,
                      QStringLiteral("The Grade box holds \"%1\", but it must hold a whole number "
                                     "from 1 to 12, or nothing. Nothing was saved.")
                          .arg(m_grade->text()),
                      Dialogs::Icon::Warning);
        m_grade->setFocus();
        m_grade->selectAll();
        return false;
    }
    if (!RunnerRecord::readClassOf(m_classOf->text(), &runner.classOf)) {
        Dialogs::tell(this,
                      QStringLiteral("The Class of box holds \"%1\", but it must hold the year the "
                                     "runner's class graduates, such as 2028, or nothing. Nothing "
                                     "was saved.")
                          .arg(m_classOf->text()),
                      Dialogs::Icon::Warning);
        m_classOf->setFocus();
        m_classOf->selectAll();
        return false;
    }
    runner.gender = chosenGender();
    // Without a chosen team the runner keeps the one it has: a save never leaves it teamless.
    if (!m_teamBox->selectedKey().isEmpty())
        runner.team = pinFromKey(m_teamBox->selectedKey());
    if (!UserAction::run(this, QStringLiteral("The runner was not saved; nothing was changed."),
                         [&] { runner.save(m_app.connection()); }))
        return false;
    m_team = runner.team;
    markUnchanged();
    Dialogs::tell(this, QStringLiteral("Runner Updated Successfully."));
    hide();
    m_lists.buildTeamList();
    return true;
}

void RunnerEditor::showBests()
{
    QList<Bests::Mark> marks;
    UserAction::run(this, QStringLiteral("The runner's bests could not be read."),
                    [&] { marks = Bests::marksOf(m_app.connection(), m_runnerPin); });
    const QMap<qint64, Bests::Event> bests = Bests::of(marks);
    m_progression->show(marks, bests);
    m_bests->setRowCount(0);
    for (auto it = bests.cbegin(); it != bests.cend(); ++it) {
        const int row = m_bests->rowCount();
        m_bests->insertRow(row);
        const QString name = MeetSheet::eventName(static_cast<int>(it.key()) - 1);
        m_bests->setItem(row, 0, new QTableWidgetItem(name));
        m_bests->setItem(row, 1, new QTableWidgetItem(it->prText()));
        m_bests->setItem(row, 2, new QTableWidgetItem(it->pr.dateText));
    }
}

void RunnerEditor::showGender(const QString& stored)
{
    m_storedGender = stored;
    m_gender->clear();
    m_gender->addItem(QString(), QString());
    m_gender->addItem(QStringLiteral("Girl"), QStringLiteral("F"));
    m_gender->addItem(QStringLiteral("Boy"), QStringLiteral("M"));
    const QString known = Gender::of(stored);
    // What a roster wrote that says neither is shown as it is, and kept unless changed.
    if (known.isEmpty() && !stored.trimmed().isEmpty())
        m_gender->addItem(stored.trimmed(), stored);
    int index = 0;
    if (!known.isEmpty())
        index = m_gender->findData(known);
    else if (!stored.trimmed().isEmpty())
        index = m_gender->count() - 1;
    m_gender->setCurrentIndex(index);
    m_storedGenderIndex = index;
}

QString RunnerEditor::chosenGender() const
{
    // Unchanged, the gender is written back as the roster wrote it ("Female", "W").
    return m_gender->currentIndex() == m_storedGenderIndex ? m_storedGender
                                                           : m_gender->currentData().toString();
}

void RunnerEditor::showGrade()
{
    std::optional<int> classOf;
    const bool fromYear = RunnerRecord::readClassOf(m_classOf->text(), &classOf) && classOf;
    m_grade->setReadOnly(fromYear);
    if (fromYear) {
        const std::optional<int> grade = SchoolYear::grade(*classOf, QDate::currentDate());
        m_grade->setText(grade ? QString::number(*grade) : QString());
    }
    m_grade->setToolTip(fromYear ? QStringLiteral("Worked out from the class year") : QString());
}

void RunnerEditor::remove()
{
    bool results = false;
    if (!UserAction::run(this, QStringLiteral("The runner's results could not be read."), [&] {
            results = RunnerRecord::hasResults(m_app.connection(), m_runnerPin);
        }))
        return;
    // Deleting a runner empties their slots in every past meet; a graduate keeps them.
    enum Choice
    {
        Delete,
        Graduate,
        Cancel
    };
    int choice = Cancel;
    if (results)
        choice = Dialogs::choose(this, QStringLiteral("Delete Runner?"),
                                 {QStringLiteral("&Delete"), QStringLiteral("Mark as &Graduated"),
                                  QStringLiteral("Cancel")});
    else if (Dialogs::ask(this, QStringLiteral("Delete Runner?")))
        choice = Delete;
    if (choice == Cancel)
        return;
    const QString failed = choice == Delete
                               ? QStringLiteral("The runner was not deleted; nothing was changed.")
                               : QStringLiteral("The runner was not marked as graduated; nothing "
                                                "was changed.");
    if (!UserAction::run(this, failed, [&] {
            if (choice == Delete)
                RunnerRecord::remove(m_app.connection(), m_runnerPin);
            else
                RunnerRecord::markGraduated(m_app.connection(), m_runnerPin);
        }))
        return;
    m_lists.buildTeamList();
    hide();
}
