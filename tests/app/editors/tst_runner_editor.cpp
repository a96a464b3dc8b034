// The runner editor against a real database: names, quoting, team moves, deletes.
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/ProgramWindows.h"
#include "editors/ProgressionView.h"
#include "editors/RunnerEditor.h"
#include "records/RunnerName.h"
#include "records/SchoolYear.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QCheckBox>
#include <QChart>
#include <QComboBox>
#include <QScatterSeries>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class RunnerEditorTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_north = 0, m_ann = 0, m_bo = 0, m_meet = 0;
    std::unique_ptr<AppHarness> h;
    RunnerEditor* editor = nullptr;

    QLineEdit* box(const char* name) { return editor->findChild<QLineEdit*>(name); }
    QPlainTextEdit* address() { return editor->findChild<QPlainTextEdit*>("AddressLabel"); }
    void press(const char* name)
    {
        QTest::mouseClick(editor->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void retype(QLineEdit* b, const QString& text)
    {
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, text);
    }
    QString stored(const char* column, qint64 runner)
    {
        RecordSet rs(QStringLiteral("SELECT * FROM Runners WHERE Pin=%1").arg(runner), h->check());
        return rs.eof() ? QStringLiteral("<gone>") : rs.field(column).text();
    }
    void open(qint64 runner)
    {
        h->window().windows().openRunnerEditor(runner);
        editor = h->window().windows().runnerEditor();
        QVERIFY(editor->isVisible());
    }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("Central");
            m_north = f.addTeam("North");
            m_ann = f.addRunner("Last,First", m_central);
            m_bo = f.addRunner("Jones, Bo", m_central, "555-0102", "2 Oak Ave");
            m_meet = f.addMeet(m_central, "2026-04-11");
            f.fillSlot(f.slotPins(m_meet, 1)[0], m_bo, 0, 12.5, 1, 10);
            f.fillSlot(f.slotPins(m_meet, 14)[2], m_bo, 0, 48.0, 2, 8);
        });
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
    }

    // The Gender box shows what the column holds and writes Girl or Boy as F or M; what a
    // roster wrote is kept while the box is not changed, and the box can empty it.
    void theGenderBoxKeepsWhatItDoesNotChange_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("choose"); // -1 leaves the box as it is
        QTest::addColumn<QString>("saved");
        QTest::newRow("none") << ""
                              << "" << 1 << "F";
        QTest::newRow("roster's word") << "Female"
                                       << "Girl" << -1 << "Female";
        QTest::newRow("changed") << "Female"
                                 << "Girl" << 2 << "M";
        QTest::newRow("unknown kept") << "X"
                                      << "X" << -1 << "X";
        QTest::newRow("unknown emptied") << "X"
                                         << "X" << 0 << "";
    }
    void theGenderBoxKeepsWhatItDoesNotChange()
    {
        QFETCH(QString, before);
        QFETCH(QString, shown);
        QFETCH(int, choose);
        QFETCH(QString, saved);
        h->check().execute("UPDATE Runners SET Gender = ? WHERE Pin = ?", {before, m_bo});
        open(m_bo);
        auto* gender = editor->findChild<QComboBox*>("genderBox");
        QCOMPARE(gender->accessibleName(), QStringLiteral("Gender"));
        QCOMPARE(gender->currentText(), shown);
        if (choose >= 0)
            gender->setCurrentIndex(choose);
        press("updateButton");
        QCOMPARE(stored("Gender", m_bo), saved);
    }

    // "Do not publish" is saved, shown again, and counts as a change to save on closing.
    void doNotPublishIsKeptWithTheRunner()
    {
        open(m_bo);
        auto* box = editor->findChild<QCheckBox*>("doNotPublishBox");
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QVERIFY(box->isChecked());
        Dialogs::setNextAnswer(Dialogs::Answer::Yes);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(Dialogs::questions(), QStringList({"Save the changes to this runner?"}));
        QCOMPARE(stored("DoNotPublish", m_bo), QStringLiteral("1"));
        open(m_bo);
        QVERIFY(editor->findChild<QCheckBox*>("doNotPublishBox")->isChecked());
    }

    // The chart and its table show each event's stored marks, the personal best named.
    void theProgressionShowsTheStoredMarks()
    {
        h->data().fillSlot(h->data().slotPins(h->data().addMeet(m_central, "2025-05-01"), 1)[0],
                           m_bo, 0, 12.9, 1, 10);
        open(m_bo);
        auto* event = editor->findChild<QComboBox*>("progressionEvent");
        auto* table = editor->findChild<QTableWidget*>("progressionTable");
        const struct
        {
            const char* event;
            QStringList marks;
            QList<qreal> points;
        } shown[] = {{"100 Meter Dash", {"12.90", "", "12.50", "PR"}, {12.9, 12.5}},
                     {"400 Meter Relay", {"48.00", "PR"}, {48.0}}};
        for (const auto& s : shown) {
            event->setCurrentIndex(event->findText(s.event));
            QStringList rows;
            for (int r = 0; r < table->rowCount(); ++r)
                rows << table->item(r, 1)->text() << table->item(r, 2)->text();
            QCOMPARE(rows, s.marks);
            QList<qreal> points;
            for (QAbstractSeries* series :
                 editor->findChild<ProgressionView*>("progression")->chart()->series())
                if (auto* season = qobject_cast<QScatterSeries*>(series);
                    season && season->name() != "PR")
                    for (const QPointF& p : season->points())
                        points << p.y();
            QCOMPARE(points, s.points);
        }
    }

    void nameSplitAndJoin_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("saved");
        QTest::newRow("new runner") << "Last,First"
                                    << "First"
                                    << "Last"
                                    << "Last, First";
        QTest::newRow("saved runner") << "Smith, Ann"
                                      << " Ann"
                                      << "Smith"
                                      << "Smith, Ann";
        // One name stays one name, with no comma left hanging after it.
        QTest::newRow("no comma") << "Madonna"
                                  << ""
                                  << "Madonna"
                                  << "Madonna";
        QTest::newRow("a first name alone") << ", Ann"
                                            << " Ann"
                                            << ""
                                            << ", Ann";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << ", ";
    }
    void nameSplitAndJoin()
    {
        QFETCH(QString, stored);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, saved);
        const RunnerName name = RunnerName::split(stored);
        QCOMPARE(name.first, first);
        QCOMPARE(name.last, last);
        QCOMPARE(RunnerName::join(name.first, name.last), saved);
        QCOMPARE(RunnerName::join(" Ann, B. ", "Smith, Jr"), QStringLiteral("Smith Jr, Ann B."));
    }

    void aNewRunnerShowsItsPlaceholderAndSavesIt()
    {
        open(m_ann);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Runner Information"));
        QCOMPARE(box("nameLabel_0")->text(), QStringLiteral("First"));
        QCOMPARE(box("nameLabel_1")->text(), QStringLiteral("Last"));
        // Typing replaces the placeholder.
        QCOMPARE(box("nameLabel_0")->selectedText(), QStringLiteral("First"));
        QCOMPARE(box("phoneLabel")->text(), QString());
        QCOMPARE(address()->toPlainText(), QString());
        QCOMPARE(editor->findChild<KeyedList*>("teamBox")->selectedKey(), pinKey(m_central));
        press("updateButton");
        QCOMPARE(Dialogs::messages(), QStringList({"Runner Updated Successfully."}));
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored("Name", m_ann), QStringLiteral("Last, First"));
        QCOMPARE(AppHarness::texts(h->window().teamList()),
                 QStringList({"Jones, Bo", "Last, First"}));
    }

    void theGrade_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("9") << "9"
                           << "9";
        QTest::newRow("12 with blanks") << " 12 "
                                        << "12";
        QTest::newRow("empty") << ""
                               << "";
        for (const char* bad : {"13", "0", "x", "9.5", "-1"})
            QTest::newRow(bad) << bad << "<refused>";
    }
    void theGrade()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        h->check().execute("UPDATE Runners SET Grade=10 WHERE Pin=" + QString::number(m_bo));
        open(m_bo);
        QCOMPARE(box("gradeBox")->text(), QStringLiteral("10"));
        QCOMPARE(box("gradeBox")->accessibleName(), QStringLiteral("Grade"));
        retype(box("gradeBox"), typed);
        press("updateButton");
        if (stored == "<refused>") {
            QVERIFY(editor->isVisible());
            QVERIFY(Dialogs::messages().first().contains("Grade box holds"));
            QCOMPARE(this->stored("Grade", m_bo), QStringLiteral("10"));
        } else {
            QVERIFY(!editor->isVisible());
            QCOMPARE(this->stored("Grade", m_bo), stored);
        }
    }

    void theClassYear_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("grade"); // as the box shows it, worked out
        const int senior = SchoolYear::graduating(QDate::currentDate());
        QTest::newRow("a freshman")
            << QString::number(senior + 3) << QString::number(senior + 3) << "9";
        QTest::newRow("a senior") << QString::number(senior) << QString::number(senior) << "12";
        QTest::newRow("graduated")
            << QString::number(senior - 1) << QString::number(senior - 1) << "";
        QTest::newRow("none: the grade stays") << ""
                                               << ""
                                               << "10";
        for (const char* bad : {"28", "2101", "1900", "abcd"})
            QTest::newRow(bad) << bad << "<refused>"
                               << "10";
    }
    void theClassYear()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, grade);
        h->check().execute("UPDATE Runners SET Grade=10 WHERE Pin=" + QString::number(m_bo));
        open(m_bo);
        QCOMPARE(box("classOfBox")->accessibleName(), QStringLiteral("Class of"));
        retype(box("classOfBox"), typed);
        QCOMPARE(box("gradeBox")->text(), grade);
        QCOMPARE(box("gradeBox")->isReadOnly(), stored != "<refused>" && !stored.isEmpty());
        press("updateButton");
        QCOMPARE(editor->isVisible(), stored == "<refused>");
        QCOMPARE(this->stored("ClassOf", m_bo), stored == "<refused>" ? QString() : stored);
        if (stored != "<refused>") {
            open(m_bo);
            QCOMPARE(box("classOfBox")->text(), stored);
            QCOMPARE(box("gradeBox")->text(), grade);
        }
    }

    void theEditorShowsEachEventsPersonalBest()
    {
        const qint64 later = h->data().addMeet(m_central, "2026-05-02");
        h->data().fillSlot(h->data().slotPins(later, 1)[0], m_bo, 0, 12.9, 3, 6);
        open(m_bo);
        auto* table = editor->findChild<QTableWidget*>("prTable");
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + '|' + table->item(r, 1)->text() + '|' +
                        table->item(r, 2)->text();
        QCOMPARE(rows, QStringList(
                           {"100 Meter Dash|12.50|4/11/2026", "400 Meter Relay|48.00|4/11/2026"}));
        open(m_ann);
        QCOMPARE(table->rowCount(), 0);
    }

    void closingAfterAChangeAsksAndYesSaves()
    {
        open(m_bo);
        retype(box("phoneLabel"), "555-0199");
        Dialogs::setNextAnswer(Dialogs::Answer::Yes);
        QTest::keyClick(box("phoneLabel"), Qt::Key_Escape);
        QCOMPARE(Dialogs::questions(), QStringList({"Save the changes to this runner?"}));
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored("PhoneNumber", m_bo), QStringLiteral("555-0199"));
    }

    void typedTextIsStoredExactlyAsTyped()
    {
        open(m_ann);
        box("nameLabel_0")->setText("Seán");
        retype(box("nameLabel_1"), "O'Brien, Jr");
        retype(box("phoneLabel"), "555 'x' 0101; --");
        address()->setPlainText("12 O'Neil's Rd'); DROP TABLE Teams; --");
        press("updateButton");
        QCOMPARE(stored("Name", m_ann), QStringLiteral("O'Brien Jr, Seán"));
        QCOMPARE(stored("PhoneNumber", m_ann), QStringLiteral("555 'x' 0101; --"));
        QCOMPARE(stored("Address", m_ann),
                 QStringLiteral("12 O'Neil's Rd'); DROP TABLE Teams; --"));
        QCOMPARE(h->count("SELECT count(*) FROM Teams"), 2);
        // Loading it again shows what was typed.
        open(m_ann);
        QCOMPARE(box("nameLabel_0")->text(), QStringLiteral(" Seán"));
        QCOMPARE(box("nameLabel_1")->text(), QStringLiteral("O'Brien Jr"));
    }

    void movingToAnotherTeamLeavesOneLink()
    {
        open(m_bo);
        auto* teams = editor->findChild<KeyedList*>("teamBox");
        AppHarness::click(teams, 1);
        press("updateButton");
        QCOMPARE(h->count("SELECT count(*) FROM Runner_to_Team WHERE Runner_Pin=" +
                          QString::number(m_bo)),
                 1);
        QCOMPARE(h->count("SELECT Team_Pin FROM Runner_to_Team WHERE Runner_Pin=" +
                          QString::number(m_bo)),
                 m_north);
        QCOMPARE(AppHarness::texts(h->window().teamList()), QStringList({"Last,First"}));

        // With no team chosen the runner keeps the one it has.
        open(m_bo);
        teams->clearSelection();
        press("updateButton");
        QCOMPARE(h->count("SELECT Team_Pin FROM Runner_to_Team WHERE Runner_Pin=" +
                          QString::number(m_bo)),
                 m_north);
    }

    void aFailedSaveChangesNothingAndSaysSo()
    {
        h->check().execute("CREATE TRIGGER refuse BEFORE INSERT ON Runner_to_Team "
                           "BEGIN SELECT RAISE(ABORT, 'database is locked'); END");
        const QString before = h->dumpAll();
        open(m_bo);
        retype(box("nameLabel_1"), "Changed");
        press("updateButton");
        QCOMPARE(h->dumpAll(), before);
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(!Dialogs::messages().contains("Runner Updated Successfully."));
        QVERIFY(editor->isVisible());
    }

    void noToDeleteSendsNothing()
    {
        const QString before = h->dumpAll();
        open(m_bo);
        Dialogs::setNextAnswer(false);
        press("deleteButton");
        QCOMPARE(Dialogs::questions(), QStringList({"Delete Runner?"}));
        QCOMPARE(h->dumpAll(), before);
        QVERIFY(editor->isVisible());
    }

    void deletingARunnerKeepsEverySheetWhole()
    {
        open(m_bo);
        Dialogs::setNextAnswer(true);
        press("deleteButton");
        QVERIFY(!editor->isVisible());
        const QString bo = QString::number(m_bo);
        QCOMPARE(h->count("SELECT count(*) FROM Runners WHERE Pin=" + bo), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Runner_to_Team WHERE Runner_Pin=" + bo), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Event_to_Runner WHERE Runner_Pin=" + bo), 0);
        const QString meet = QString::number(m_meet);
        QCOMPARE(h->count("SELECT count(*) FROM Events_View WHERE Meet_Pin=" + meet), 42);
        QCOMPARE(h->count("SELECT count(*) FROM Events_View WHERE Meet_Pin=" + meet +
                          " AND (Place<>0 OR Points<>0 OR Measure1<>0 OR Measure2<>0)"),
                 0);
        QCOMPARE(AppHarness::texts(h->window().teamList()), QStringList({"Last,First"}));
    }
};

QTEST_MAIN(RunnerEditorTest)
#include "tst_runner_editor.moc"
