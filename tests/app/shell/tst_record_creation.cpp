// The Add buttons: new records with their placeholders, whole or not at all.
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class RecordCreationTest : public QObject
{
    Q_OBJECT

    static void press(MainWindow& w, const char* button)
    {
        QTest::mouseClick(w.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void addMeetMakesTheWholeSheet()
    {
        AppHarness h([](TrackFixture& f) { f.addTeam("Central"); });
        press(h.window(), "meetAdd");
        MeetEditor* editor = h.window().windows().meetEditor();
        QVERIFY(editor->isVisible());
        const qint64 meet = editor->meetPin();
        QVERIFY(meet > 0);
        const QString m = QString::number(meet);
        QCOMPARE(h.count("SELECT count(*) FROM Meets WHERE Weather='New Meet' AND Pin=" + m), 1);
        QCOMPARE(h.count("SELECT count(*) FROM Meet_to_Team WHERE Meet_Pin=" + m), 1);
        QCOMPARE(h.count("SELECT count(*) FROM Event_to_Meet WHERE Meet_Pin=" + m), 17);
        QCOMPARE(h.count("SELECT count(DISTINCT Type) FROM Events_View WHERE Meet_Pin=" + m), 17);
        QCOMPARE(h.count("SELECT count(*) FROM Events_View WHERE Runner_Pin=0 AND Meet_Pin=" + m),
                 42);
        QCOMPARE(h.count("SELECT count(*) FROM Events_View WHERE Type>=14 AND Meet_Pin=" + m), 16);
        QCOMPARE(h.count("SELECT count(*) FROM Events WHERE Place=-1"), 0);
        // Not listed until the meet editor saves it.
        QCOMPARE(h.window().meetList()->count(), 0);
    }

    void aFailedAddMeetLeavesNoTrace()
    {
        AppHarness h([](TrackFixture& f) {
            const qint64 team = f.addTeam("Central");
            f.addMeet(team, "2026-04-01");
        });
        // The database refuses the long jump's slots, part-way through the sheet.
        h.check().execute("CREATE TRIGGER refuse AFTER INSERT ON Event_to_Runner "
                          "WHEN (SELECT Type FROM Events WHERE Pin = NEW.Event_Pin) = 9 "
                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
        const QString before = h.dumpAll();
        press(h.window(), "meetAdd");
        QVERIFY(!h.window().windows().meetEditor()->isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains("disk is full"));
        QCOMPARE(h.dumpAll(), before);
    }

    void theNewestPlaceholderWins()
    {
        qint64 staleTeam = 0, staleRunner = 0, team = 0;
        AppHarness h([&](TrackFixture& f) {
            team = f.addTeam("Central");
            staleTeam = f.addTeam("New Team");
            staleRunner = f.addRunner("Last,First", team);
        });
        press(h.window(), "teamAdd");
        TeamEditor* teamEditor = h.window().windows().teamEditor();
        QVERIFY(teamEditor->isVisible());
        QVERIFY(teamEditor->teamPin() > staleTeam);
        QCOMPARE(teamEditor->findChild<QLineEdit*>("schoolLabel")->text(), QString("New Team"));
        // The team list is refreshed only when the editor saves.
        QCOMPARE(h.window().schoolList()->count(), 2);

        press(h.window(), "runnerAdd");
        RunnerEditor* runnerEditor = h.window().windows().runnerEditor();
        QVERIFY(runnerEditor->isVisible());
        QVERIFY(runnerEditor->runnerPin() > staleRunner);
        QCOMPARE(AppHarness::texts(h.window().teamList()),
                 QStringList({"Last,First", "Last,First"}));
        QCOMPARE(
            h.count("SELECT count(*) FROM Runner_to_Team WHERE Team_Pin=" + QString::number(team)),
            2);

        h.check().execute("INSERT INTO Meets (Weather) VALUES ('New Meet')");
        const qint64 staleMeet = h.count("SELECT max(Pin) FROM Meets");
        press(h.window(), "meetAdd");
        QVERIFY(h.window().windows().meetEditor()->meetPin() > staleMeet);
    }

    void runnersAndMeetsNeedATeam()
    {
        AppHarness h;
        auto* runnerAdd = h.window().findChild<QPushButton*>("runnerAdd");
        auto* meetAdd = h.window().findChild<QPushButton*>("meetAdd");
        QVERIFY(!runnerAdd->isEnabled());
        QVERIFY(!meetAdd->isEnabled());
        h.window().addRunner();
        h.window().addMeet();
        QCOMPARE(h.count("SELECT count(*) FROM Runners"), 0);
        QCOMPARE(h.count("SELECT count(*) FROM Meets"), 0);

        press(h.window(), "teamAdd");
        TeamEditor* editor = h.window().windows().teamEditor();
        QTest::mouseClick(editor->findChild<QPushButton*>("updateButton"), Qt::LeftButton);
        QCOMPARE(AppHarness::texts(h.window().schoolList()), QStringList({"New Team"}));
        QVERIFY(runnerAdd->isEnabled());
        QVERIFY(meetAdd->isEnabled());
    }
};

QTEST_MAIN(RecordCreationTest)
#include "tst_record_creation.moc"
