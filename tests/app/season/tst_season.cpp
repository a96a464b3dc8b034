// A coach's season through the program's own windows: the first run; teams, runners and four
// meets entered by hand with every slot chosen in the pickers; a runner moved and one deleted;
// then every report printed through the test printer queue and read back from the PDF.
// The steps run in order and build on each other.
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/FurtherEntries.h"
#include "editors/MeetEditor.h"
#include "editors/MoreEntriesWindow.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "shell/FirstRunForm.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "support/AppHarness.h"
#include "support/PrintedPreview.h"
#include "support/TestProgramFolder.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct TeamEntry
{
    QString school, coach, contact, mascot;
};

struct RunnerEntry
{
    QString first, last, phone, address;
    int team;
    QString listed() const { return last + QStringLiteral(", ") + first; }
};

// One runner's result in one slot, as typed into the sheet and as the reports print it.
struct Result
{
    int runner = -1; // index into kRunners; -1 for a slot left empty
    QString first, second, printed;
    int place = 0, points = 0;
};

const TeamEntry kTeams[] = {
    {QStringLiteral("Central High"), QStringLiteral("Dana O'Neil"), QStringLiteral("555-0100"),
     QStringLiteral("Comets")},
    {QStringLiteral("North Valley"), QStringLiteral("Lee Park"), QStringLiteral("555-0200"),
     QStringLiteral("Wolves")},
    {QStringLiteral("Lakeside Prep"), QStringLiteral("Ruth Ames"), QStringLiteral("555-0300"),
     QStringLiteral("Herons")},
};

// Central's six come first: the meets are Central's, and their pickers list Central's runners.
const RunnerEntry kRunners[] = {
    {"Ann", "Adams", "555-0101", "1 Elm St", 0},
    {"Bo", "Brown", "555-0102", "2 Oak Ave", 0},
    {"Cy", "Cole", "555-0103", "3 Pine Rd", 0},
    {QStringLiteral("Dee"), QStringLiteral("D\u00edaz"), "555-0104", "4 Ash Ct", 0},
    {"Eli", "Evans", "555-0105", "5 Fir Ln", 0},
    {"Flo", "Fox", "555-0106", "6 Bay St", 0},
    {"Gus", "Grant", "555-0201", "7 Elm St", 1},
    {"Hana", "Hill", "555-0202", "8 Oak Ave", 1},
    {"Ike", "Ito", "555-0203", "9 Pine Rd", 1},
    {"Jo", "Jones", "555-0301", "10 Ash Ct", 2},
    {"Kai", "King", "555-0302", "11 Fir Ln", 2},
    {"Lu", "Lopez", "555-0303", "12 Bay St", 2},
};
constexpr int kCentral = 6;
constexpr int kMoved = 5;   // Fox goes to North Valley
constexpr int kDeleted = 4; // Evans leaves the program

// Entered in this order, dated out of order, so that the reports' date order shows.
const QDate kMeetDates[] = {QDate(2026, 4, 11), QDate(2026, 3, 14), QDate(2026, 4, 25),
                            QDate(2026, 3, 28)};
const int kMeetHosts[] = {1, 2, 0, 1};
const char* const kMeetPlaces[] = {"North Field", "Lakeside Oval", "Home Track", "North Field"};
const char* const kMeetWeather[] = {"Windy", "Rain", "Sunny", "Cold"};

const char* const kEvents[] = {
    "100 Meter Dash",   "200 Meter Dash",    "400 Meter Dash", "800 Meter Dash",  "1600 Meter Run",
    "3200 Meter Run",   "300 Meter Hurdles", "High Jump",      "Long Jump",       "Triple Jump",
    "Pole Vault",       "Shot Put",          "Discus Throw",   "400 Meter Relay", "800 Meter Relay",
    "1600 Meter Relay", "3200 Meter Relay"};

bool isField(int event)
{
    return event >= 7 && event <= 12;
}

// A time in hundredths of a second: typed as minutes and seconds, printed as 11.42 or 4:35.20.
Result timed(int runner, int hundredths, int place, int points)
{
    Result r{runner,
             QString::number(hundredths / 6000),
             QString::asprintf("%d.%02d", hundredths % 6000 / 100, hundredths % 100),
             {},
             place,
             points};
    r.printed = hundredths < 6000 ? r.second
                                  : QString::asprintf("%d:%02d.%02d", hundredths / 6000,
                                                      hundredths % 6000 / 100, hundredths % 100);
    return r;
}

// A distance in quarter inches: typed as feet and inches, printed as 41-06.50 or 5-10.
Result measured(int runner, int quarters, int place, int points)
{
    const int feet = quarters / 48, inches = quarters % 48 / 4, fraction = quarters % 4 * 25;
    Result r{runner,
             QString::number(feet),
             fraction ? QString::asprintf("%d.%02d", inches, fraction) : QString::number(inches),
             {},
             place,
             points};
    r.printed = fraction ? QString::asprintf("%d-%02d.%02d", feet, inches, fraction)
                         : QString::asprintf("%d-%02d", feet, inches);
    return r;
}

// The sheet of meet m: two entries per individual event (in slot order), four legs per relay.
struct Sheet
{
    Result first[13], second[13];
    int legs[4][4];
    Result relay[4];
};

Sheet sheetOf(int m)
{
    static const int trackBase[7] = {1100, 2300, 5200, 12500, 29000, 63000, 4100};
    static const int fieldBase[6] = {70 * 4, 222 * 4, 460 * 4, 138 * 4, 498 * 4, 1443 * 4};
    static const int relayBase[4] = {4500, 9500, 21000, 49000};
    Sheet s;
    for (int e = 0; e < 13; ++e) {
        const int a = (e + m) % kCentral, b = (e + m + 1) % kCentral;
        // Every other event lists its winner in the second slot.
        const bool firstWins = (e + m) % 2 == 0;
        const int winner = firstWins ? a : b, loser = firstWins ? b : a;
        Result win, lose;
        if (isField(e)) {
            const int q = fieldBase[e - 7] + 3 * m + (e - 7);
            win = measured(winner, q, 1, 10);
            lose = measured(loser, q - 9, 2, 8);
        } else {
            const int h = trackBase[e] + 37 * m + e;
            win = timed(winner, h, 1, 10);
            lose = timed(loser, h + 84, 2, 8);
        }
        s.first[e] = firstWins ? win : lose;
        s.second[e] = firstWins ? lose : win;
    }
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k)
            s.legs[r][k] = (r + m + k) % kCentral;
        const int place = 1 + (r + m) % 3;
        s.relay[r] = timed(-1, relayBase[r] + 41 * m + r, place, 12 - 2 * place);
    }
    return s;
}

QString dateText(const QDate& d)
{
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

} // namespace

class SeasonTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> folder;
    std::unique_ptr<AppContext> app;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<Connection> check;
    qint64 teamPins[3] = {};
    qint64 runnerPins[12] = {};
    qint64 meetPins[4] = {};

    template <class W = QWidget> static W* child(QWidget* parent, const QString& name)
    {
        return AppHarness::control<W>(parent, name);
    }
    static void press(QWidget* parent, const QString& name) { AppHarness::press(parent, name); }
    static void retype(QLineEdit* box, const QString& text)
    {
        AppHarness::typeOver(box, text);
        QCOMPARE(box->text(), text);
    }
    QString listedName(int runner) const { return kRunners[runner].listed(); }
    // Picks list items by their visible text, as the coach reads them.
    static void doubleClickText(KeyedList* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(text + " in " + AppHarness::texts(list).join('|')));
        AppHarness::doubleClick(list, list->row(found.first()));
    }
    static void clickText(KeyedList* list, const QString& text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(text + " in " + AppHarness::texts(list).join('|')));
        AppHarness::click(list, list->row(found.first()));
    }
    void selectTeam(int team) { clickText(w->schoolList(), kTeams[team].school); }
    void pickRunner(MeetEditor* editor, const QString& button, int runner)
    {
        press(editor, button);
        RunnerSelector* picker = w->windows().runnerSelector();
        QVERIFY(picker->isVisible());
        doubleClickText(picker->runnerList(), listedName(runner));
        QVERIFY(!picker->isVisible());
        QCOMPARE(child<QPushButton>(editor, button)->text(), listedName(runner));
    }
    // One entry's four boxes, named by their prefixes and the entry's index suffix.
    void typeResult(QWidget* editor, const QString& suffix, const QStringList& boxes,
                    const Result& r)
    {
        retype(child<QLineEdit>(editor, boxes[0] + suffix), QString::number(r.place));
        retype(child<QLineEdit>(editor, boxes[1] + suffix), QString::number(r.points));
        retype(child<QLineEdit>(editor, boxes[2] + suffix), r.first);
        retype(child<QLineEdit>(editor, boxes[3] + suffix), r.second);
    }
    // A line of the results sheet as the coach types it on a runner button: the first name,
    // then place and mark ("ann 1 11.37", "bo 2 18-06.5").
    QString resultLine(int runner, const Result* r, bool field) const
    {
        QString line = kRunners[runner].first.toLower();
        if (r)
            line += QStringLiteral(" %1 %2").arg(r->place).arg(field ? r->first + '-' + r->second
                                                               : r->first == QLatin1String("0")
                                                                   ? r->second
                                                                   : r->first + ':' + r->second);
        return line;
    }
    // Types a line where the keyboard is, after checking that it is on the expected button.
    void typeLine(QWidget* button, const QString& line)
    {
        QTRY_COMPARE(QApplication::focusWidget(), button);
        for (QChar c : line) {
            QTRY_VERIFY(QApplication::focusWidget() &&
                        QApplication::focusWidget()->window()->isActiveWindow());
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // After an event's last line the keyboard waits on its "+" for a further entry; Tab goes
    // on to the next event.
    void nextEvent(MeetEditor* editor, int e)
    {
        QTRY_COMPARE(QApplication::focusWidget(),
                     child<QWidget>(editor, "moreEntries_" + QString::number(e)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The whole sheet from the keyboard, down the sheet as Tab walks it, points from the
    // invitational table (which the season's points follow).
    void enterFromTheKeyboard(MeetEditor* editor, const Sheet& s)
    {
        w->findChild<QAction*>(QStringLiteral("mnuScoringInvitational"))->trigger();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        child<QPushButton>(editor, "runnerButton_0")->setFocus();
        for (int e : {0, 1, 2, 3, 4, 5, 6, 13, 14, 15, 16, 7, 8, 9, 10, 11, 12}) {
            if (e < 13) {
                const QString n = '_' + QString::number(e);
                typeLine(child<QWidget>(editor, "runnerButton" + n),
                         resultLine(s.first[e].runner, &s.first[e], isField(e)));
                typeLine(child<QWidget>(editor, "runner2Button" + n),
                         resultLine(s.second[e].runner, &s.second[e], isField(e)));
                nextEvent(editor, e);
                continue;
            }
            const int r = e - 13;
            for (int k = 0; k < 4; ++k) {
                QTRY_VERIFY(QApplication::focusWidget());
                QWidget* at =
                    k == 0 ? child<QWidget>(editor, "runnerButton_" + QString::number(13 + 4 * r))
                           : QApplication::focusWidget();
                typeLine(at, resultLine(s.legs[r][k], k == 3 ? &s.relay[r] : nullptr, false));
            }
            nextEvent(editor, e);
        }
        w->findChild<QAction*>(QStringLiteral("mnuScoringNone"))->trigger();
    }

    static void verifyInOrder(const QString& text, const QStringList& words)
    {
        QString missing;
        const bool found = PrintedPreview::inOrder(text, words, &missing);
        if (!found)
            qInfo().noquote() << "Printed:\n" << text;
        QVERIFY2(found, qPrintable("\"" + missing + "\" missing or out of order"));
    }
    // After the move and the delete: who a slot's runner is now.
    static QString nowNamed(int runner)
    {
        return runner == kDeleted || runner < 0 ? QString() : kRunners[runner].listed();
    }

private slots:
    void initTestCase() { folder = std::make_unique<TestProgramFolder>(); }

    void cleanupTestCase()
    {
        w.reset();
        app.reset();
        if (check)
            check->close();
    }

    void firstRun()
    {
        // On the server, the staff's database is there before the coach's first start.
        const QString server = TestProgramFolder::onServer()
                                   ? folder->trackDatabase(QStringLiteral("CentralHigh.mdb"))
                                   : QString();
        if (!server.isEmpty())
            SettingsStore::write(QStringLiteral("Database"), server);
        app = std::make_unique<AppContext>();
        w = std::make_unique<MainWindow>(*app);
        w->startUp();
        FirstRunForm* first = w->firstRunForm();
        QVERIFY(first && first->isVisible());
        QTest::keyClicks(first->nameBox(), "Dana O'Neil");
        QTest::keyClicks(first->schoolBox(), "Central High");
        press(first, QStringLiteral("submitButton"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->eventList()->count(), 17);
        // The database is named after the school just typed, and the status bar says who.
        QCOMPARE(app->databasePath(),
                 server.isEmpty() ? folder->file("db/CentralHigh.mdb") : server);
        QCOMPARE(w->statusText(), QStringLiteral("Dana O'Neil  -  Central High"));
        check = std::make_unique<Connection>();
        check->open(Connection::connectionStringFor(app->databasePath()));
    }

    void teams()
    {
        for (int t = 0; t < 3; ++t) {
            Dialogs::clear();
            press(w.get(), QStringLiteral("teamAdd"));
            TeamEditor* editor = w->windows().teamEditor();
            QVERIFY(editor->isVisible());
            teamPins[t] = editor->teamPin();
            retype(child<QLineEdit>(editor, "schoolLabel"), kTeams[t].school);
            retype(child<QLineEdit>(editor, "coachLabel"), kTeams[t].coach);
            retype(child<QLineEdit>(editor, "contactLabel"), kTeams[t].contact);
            retype(child<QLineEdit>(editor, "mascotLabel"), kTeams[t].mascot);
            press(editor, QStringLiteral("updateButton"));
            QCOMPARE(Dialogs::messages(), QStringList({"Team Updated Successfully."}));
            QVERIFY(!editor->isVisible());
        }
        QCOMPARE(AppHarness::texts(w->schoolList()),
                 QStringList({"Central High", "North Valley", "Lakeside Prep"}));
    }

    void runners()
    {
        for (int r = 0; r < 12; ++r) {
            const RunnerEntry& e = kRunners[r];
            selectTeam(e.team);
            Dialogs::clear();
            press(w.get(), QStringLiteral("runnerAdd"));
            RunnerEditor* editor = w->windows().runnerEditor();
            QVERIFY(editor->isVisible());
            runnerPins[r] = editor->runnerPin();
            retype(child<QLineEdit>(editor, "nameLabel_0"), e.first);
            retype(child<QLineEdit>(editor, "nameLabel_1"), e.last);
            retype(child<QLineEdit>(editor, "phoneLabel"), e.phone);
            auto* address = child<QPlainTextEdit>(editor, "AddressLabel");
            address->selectAll();
            QTest::keyClick(address, Qt::Key_Delete);
            QTest::keyClicks(address, e.address);
            QCOMPARE(child<KeyedList>(editor, "teamBox")->selectedKey(), pinKey(teamPins[e.team]));
            press(editor, QStringLiteral("updateButton"));
            QCOMPARE(Dialogs::messages(), QStringList({"Runner Updated Successfully."}));
        }
        for (int t = 0; t < 3; ++t) {
            selectTeam(t);
            QStringList expected;
            for (const RunnerEntry& e : kRunners)
                if (e.team == t)
                    expected << e.listed();
            QCOMPARE(AppHarness::texts(w->teamList()), expected);
        }
    }

    void meets()
    {
        for (int m = 0; m < 4; ++m) {
            selectTeam(0);
            Dialogs::clear();
            press(w.get(), QStringLiteral("meetAdd"));
            MeetEditor* editor = w->windows().meetEditor();
            QVERIFY(editor->isVisible());
            meetPins[m] = editor->meetPin();

            press(editor, QStringLiteral("schoolBox"));
            TeamSelector* hosts = w->windows().teamSelector();
            QVERIFY(hosts->isVisible());
            doubleClickText(hosts->teamList(), kTeams[kMeetHosts[m]].school);
            QCOMPARE(child<QPushButton>(editor, "schoolBox")->text(),
                     QString::number(teamPins[kMeetHosts[m]]) + ' ' + kTeams[kMeetHosts[m]].school);
            child<QCalendarWidget>(editor, "timeBox")->setSelectedDate(kMeetDates[m]);
            retype(child<QLineEdit>(editor, "meetPlace"), kMeetPlaces[m]);
            retype(child<QLineEdit>(editor, "weatherBox"), kMeetWeather[m]);

            const Sheet s = sheetOf(m);
            // The last meet is typed from the keyboard; the others box by box.
            if (m == 3)
                enterFromTheKeyboard(editor, s);
            for (int e = 0; e < 13 && m != 3; ++e) {
                const QString n = '_' + QString::number(e);
                pickRunner(editor, "runnerButton" + n, s.first[e].runner);
                typeResult(editor, n, {"placeBox", "pointsBox", "measureBox", "measure2Box"},
                           s.first[e]);
                pickRunner(editor, "runner2Button" + n, s.second[e].runner);
                typeResult(editor, n, {"PlaceBox2", "PointsBox2", "measureBox2", "measure2Box2"},
                           s.second[e]);
            }
            for (int r = 0; r < 4 && m != 3; ++r) {
                for (int k = 0; k < 4; ++k)
                    pickRunner(editor, "runnerButton_" + QString::number(13 + 4 * r + k),
                               s.legs[r][k]);
                typeResult(editor, '_' + QString::number(13 + r),
                           {"placeBox", "pointsBox", "measureBox", "measure2Box"}, s.relay[r]);
            }
            press(editor, QStringLiteral("updateButton"));
            QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));
            QVERIFY(!editor->isVisible());
        }
        // The meet list, in date order although entered out of it.
        QStringList listed;
        for (int m : {1, 3, 0, 2})
            listed << dateText(kMeetDates[m]) + ' ' + kTeams[kMeetHosts[m]].school + ' ' +
                          kMeetPlaces[m];
        QCOMPARE(AppHarness::texts(w->meetList()), listed);

        // Every slot reached the database: 4 meets of 42 slots, each with its runner.
        QCOMPARE(count("SELECT count(*) FROM Events_View WHERE Runner_Pin<>0"), 4 * 42);
        QCOMPARE(count("SELECT count(*) FROM Events_View WHERE Runner_Pin=0"), 0);
        QCOMPARE(count("SELECT count(*) FROM Meets WHERE HostingTeam IS NULL"), 0);
        QCOMPARE(text(QStringLiteral("SELECT MeasureTime FROM Events_View WHERE Meet_Pin=%1 AND "
                                     "Type=5 AND Place=1")
                          .arg(meetPins[2])),
                 sheetOf(2).first[4].place == 1 ? sheetOf(2).first[4].printed
                                                : sheetOf(2).second[4].printed);
    }

    void aRunnerMovesAndOneLeaves()
    {
        selectTeam(0);
        doubleClickText(w->teamList(), listedName(kMoved));
        RunnerEditor* editor = w->windows().runnerEditor();
        QVERIFY(editor->isVisible());
        clickText(child<KeyedList>(editor, "teamBox"), kTeams[1].school);
        Dialogs::clear();
        press(editor, QStringLiteral("updateButton"));
        QCOMPARE(Dialogs::messages(), QStringList({"Runner Updated Successfully."}));

        selectTeam(0);
        doubleClickText(w->teamList(), listedName(kDeleted));
        QVERIFY(editor->isVisible());
        Dialogs::setNextAnswer(true);
        press(editor, QStringLiteral("deleteButton"));
        QCOMPARE(Dialogs::questions().last(), QStringLiteral("Delete Runner?"));
        QVERIFY(!editor->isVisible());

        selectTeam(0);
        QCOMPARE(AppHarness::texts(w->teamList()),
                 QStringList({"Adams, Ann", "Brown, Bo", "Cole, Cy", "D\u00edaz, Dee"}));
        selectTeam(1);
        QCOMPARE(AppHarness::texts(w->teamList()),
                 QStringList({"Fox, Flo", "Grant, Gus", "Hill, Hana", "Ito, Ike"}));
        // The deleted runner's slots stay on their sheets, empty; the moved runner's results
        // stay where they were made.
        QCOMPARE(count("SELECT count(*) FROM Events_View WHERE Runner_Pin=0"),
                 count(QStringLiteral("SELECT count(*) FROM Event_to_Runner WHERE Runner_Pin=0")));
        QCOMPARE(count("SELECT count(*) FROM Runners"), 11);
        QVERIFY(count(QStringLiteral("SELECT count(*) FROM Events_View WHERE Runner_Pin=%1")
                          .arg(runnerPins[kMoved])) > 0);
    }

    void theRunnerReport()
    {
        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        // Ann's record: grouped by event in type order, each event's meets by date.
        const int ann = 0;
        QStringList expected = {"Central High", "Dana O'Neil", "Adams, Ann", "555-0101",
                                "1 Elm St"};
        for (int e = 0; e < 17; ++e) {
            QList<std::pair<QDate, QString>> rows;
            for (int m = 0; m < 4; ++m) {
                const Sheet s = sheetOf(m);
                if (e < 13) {
                    for (const Result& r : {s.first[e], s.second[e]})
                        if (r.runner == ann)
                            rows.append({kMeetDates[m], r.printed});
                } else {
                    for (int k = 0; k < 4; ++k)
                        if (s.legs[e - 13][k] == ann)
                            rows.append({kMeetDates[m], s.relay[e - 13].printed});
                }
            }
            std::sort(rows.begin(), rows.end());
            if (!rows.isEmpty())
                expected << kEvents[e];
            for (const auto& [date, mark] : rows)
                expected << dateText(date) << mark;
        }
        selectTeam(0);
        doubleClickText(w->teamList(), listedName(ann));
        press(w->windows().runnerEditor(), QStringLiteral("reportButton"));
        verifyInOrder(PrintedPreview::print(), expected);
    }

    void theTeamReports()
    {
        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        // Central: the runners it has now, by name (no grades were entered), then its meets by
        // date with their hosts and places.
        QStringList expected = {"Central High", "Dana O'Neil", "Central High",
                                "Comets",       "Dana O'Neil", "555-0100"};
        for (int r : {0, 1, 2, 3})
            expected << listedName(r) << kRunners[r].phone;
        QList<int> byDate = {0, 1, 2, 3};
        std::sort(byDate.begin(), byDate.end(),
                  [](int a, int b) { return kMeetDates[a] < kMeetDates[b]; });
        for (int m : byDate)
            expected << dateText(kMeetDates[m]) << kTeams[kMeetHosts[m]].school << kMeetPlaces[m];
        doubleClickText(w->schoolList(), kTeams[0].school);
        press(w->windows().teamEditor(), QStringLiteral("reportButton"));
        const QString central = PrintedPreview::print();
        verifyInOrder(central, expected);
        QVERIFY(!central.contains(listedName(kMoved)));
        QVERIFY(!central.contains(listedName(kDeleted)));

        // North Valley has the moved runner and no meets of its own.
        doubleClickText(w->schoolList(), kTeams[1].school);
        press(w->windows().teamEditor(), QStringLiteral("reportButton"));
        verifyInOrder(PrintedPreview::print(),
                      {"North Valley", "Wolves", "Lee Park", "555-0200", "Fox, Flo", "Grant, Gus",
                       "Hill, Hana", "Ito, Ike"});
    }

    void theMeetReports()
    {
        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        for (int m = 0; m < 4; ++m) {
            const Sheet s = sheetOf(m);
            QStringList expected = {
                "Central High",          "Dana O'Neil",  kTeams[kMeetHosts[m]].school,
                dateText(kMeetDates[m]), kMeetPlaces[m], kMeetWeather[m]};
            for (int e = 0; e < 13; ++e) {
                expected << kEvents[e];
                // By place; a slot emptied by the delete prints nothing.
                Result rows[2] = {s.first[e], s.second[e]};
                for (Result& r : rows)
                    if (r.runner == kDeleted)
                        r = Result{};
                std::sort(std::begin(rows), std::end(rows),
                          [](const Result& a, const Result& b) { return a.place < b.place; });
                for (const Result& r : rows)
                    if (r.runner >= 0)
                        expected << nowNamed(r.runner) << r.printed << QString::number(r.place)
                                 << QString::number(r.points);
            }
            for (int r = 0; r < 4; ++r) {
                expected << kEvents[13 + r];
                // The legs that still have a runner, in order, the result beside the first;
                // a deleted leg prints nothing.
                QStringList legs;
                for (int k = 0; k < 4; ++k)
                    if (!nowNamed(s.legs[r][k]).isEmpty())
                        legs << nowNamed(s.legs[r][k]);
                expected << legs.value(0) << s.relay[r].printed << QString::number(s.relay[r].place)
                         << QString::number(s.relay[r].points) << legs.mid(1);
            }
            selectTeam(0);
            clickText(w->meetList(), dateText(kMeetDates[m]) + ' ' + kTeams[kMeetHosts[m]].school +
                                         ' ' + kMeetPlaces[m]);
            w->openMeetEditor();
            MeetEditor* editor = w->windows().meetEditor();
            QCOMPARE(editor->meetPin(), meetPins[m]);
            press(editor, QStringLiteral("reportButton"));
            const QString sheet = PrintedPreview::print();
            verifyInOrder(sheet, expected);
            QVERIFY(!sheet.contains(listedName(kDeleted)));
            editor->close();
        }
    }

    void theEventReports()
    {
        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        // One team's marks in one event: every result of the runners it has now.
        for (int e : {11, 3}) {
            struct Row
            {
                double first, second;
                QString mark, name;
                QDate date;
            };
            QList<Row> rows;
            for (int m = 0; m < 4; ++m) {
                const Sheet s = sheetOf(m);
                for (const Result& r : {s.first[e], s.second[e]})
                    if (r.runner >= 0 && r.runner < 4)
                        rows.append({r.first.toDouble(), r.second.toDouble(), r.printed,
                                     listedName(r.runner), kMeetDates[m]});
            }
            // Best first: the longest throw, the lowest time.
            std::stable_sort(rows.begin(), rows.end(), [e](const Row& a, const Row& b) {
                const double x = a.first * (isField(e) ? 12 : 60) + a.second;
                const double y = b.first * (isField(e) ? 12 : 60) + b.second;
                return isField(e) ? x > y : x < y;
            });
            QStringList expected = {kEvents[e], "Central High", "Comets", "Dana O'Neil"};
            for (const Row& r : rows)
                expected << r.mark << r.name << dateText(r.date);
            selectTeam(0);
            clickText(w->eventList(), kEvents[e]);
            doubleClickText(w->eventList(), kEvents[e]);
            const QString text = PrintedPreview::print();
            verifyInOrder(text, expected);
            QVERIFY(!text.contains(listedName(kMoved)));
        }
    }

    // Girls and boys: three more girls, every gender set in the runner editor, and a meet of a
    // girls' and a boys' division with three girls in the 100 and a B relay team. The meet
    // report, the school records and the girls' 100 against what the season adds up to.
    void girlsAndBoys()
    {
        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        const QStringList more = {"Moss, Mia", "Nash, Nia", "Ortiz, Ola"};
        for (const QString& name : more) {
            selectTeam(0);
            press(w.get(), QStringLiteral("runnerAdd"));
            RunnerEditor* editor = w->windows().runnerEditor();
            retype(child<QLineEdit>(editor, "nameLabel_0"), name.section(", ", 1));
            retype(child<QLineEdit>(editor, "nameLabel_1"), name.section(", ", 0, 0));
            press(editor, QStringLiteral("updateButton"));
        }
        const QStringList girls = QStringList{listedName(0), listedName(3)} + more;
        for (const QString& name : girls + QStringList{listedName(1), listedName(2)}) {
            selectTeam(0);
            doubleClickText(w->teamList(), name);
            RunnerEditor* editor = w->windows().runnerEditor();
            auto* gender = child<QComboBox>(editor, "genderBox");
            gender->setCurrentIndex(gender->findText(girls.contains(name) ? "Girl" : "Boy"));
            press(editor, QStringLiteral("updateButton"));
        }
        w->findChild<QAction*>("mnuDivisions")->trigger();
        auto* usual = w->findChild<QListWidget*>("divisionsList");
        for (int row = 0; row < usual->count(); ++row)
            usual->item(row)->setCheckState(row < 2 ? Qt::Checked : Qt::Unchecked);
        press(usual->window(), "divisionsOk");

        selectTeam(0);
        press(w.get(), QStringLiteral("meetAdd"));
        MeetEditor* editor = w->windows().meetEditor();
        child<QCalendarWidget>(editor, "timeBox")->setSelectedDate(QDate(2026, 5, 9));
        retype(child<QLineEdit>(editor, "weatherBox"), "Clear");
        const QStringList sheetBoxes = {"placeBox", "pointsBox", "measureBox", "measure2Box"};
        const QStringList moreBoxes = {"morePlace", "morePoints", "moreMark1", "moreMark2"};
        auto pickFor = [&](QWidget* window, const QString& button, const QString& name) {
            press(window, button);
            doubleClickText(w->windows().runnerSelector()->runnerList(), name);
        };
        // Girls Varsity: Adams, Moss and Díaz in the 100, two relay teams.
        pickFor(editor, "runnerButton_0", girls[0]);
        typeResult(editor, "_0", sheetBoxes, timed(-1, 1231, 1, 10));
        pickFor(editor, "runner2Button_0", girls[1]);
        typeResult(editor, "_0", {"PlaceBox2", "PointsBox2", "measureBox2", "measure2Box2"},
                   timed(-1, 1285, 3, 6));
        press(editor, "moreEntries_0");
        QWidget* window = editor->furtherEntries()->window();
        press(window, "addEntry");
        doubleClickText(w->windows().runnerSelector()->runnerList(), girls[2]);
        typeResult(window, "_0", moreBoxes, timed(-1, 1260, 2, 8));
        press(window, "moreDone");
        for (int k = 0; k < 4; ++k)
            pickFor(editor, "runnerButton_" + QString::number(13 + k), girls[k]);
        typeResult(editor, "_13", sheetBoxes, timed(-1, 4990, 1, 10));
        press(editor, "moreEntries_13");
        press(window, "addEntry");
        doubleClickText(w->windows().runnerSelector()->runnerList(), girls[4]);
        typeResult(window, "_0", moreBoxes, timed(-1, 5200, 4, 2));
        press(window, "moreDone");
        // Boys Varsity: Brown and Cole.
        child<QComboBox>(editor, "meetDivision")->setCurrentIndex(1);
        pickFor(editor, "runnerButton_0", listedName(1));
        typeResult(editor, "_0", sheetBoxes, timed(-1, 1150, 1, 10));
        pickFor(editor, "runner2Button_0", listedName(2));
        typeResult(editor, "_0", {"PlaceBox2", "PointsBox2", "measureBox2", "measure2Box2"},
                   timed(-1, 1175, 2, 8));
        Dialogs::clear();
        press(editor, QStringLiteral("updateButton"));
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));
        QVERIFY(!editor->isVisible());

        w->windows().openMeetEditor(editor->meetPin());
        press(editor, QStringLiteral("reportButton"));
        verifyInOrder(PrintedPreview::print(), {"Girls Varsity (Girls)",
                                                "team score 36",
                                                "100 Meter Dash",
                                                girls[0],
                                                "12.31",
                                                girls[2],
                                                "12.60",
                                                girls[1],
                                                "12.85",
                                                "400 Meter Relay",
                                                girls[0],
                                                "49.90",
                                                girls[3],
                                                "B team",
                                                girls[4],
                                                "52.00",
                                                "Boys Varsity (Boys)",
                                                "team score 18",
                                                "100 Meter Dash",
                                                listedName(1),
                                                "11.50",
                                                listedName(2)});
        editor->close();

        // The 100 by gender over the whole season, best first.
        QList<std::pair<int, QString>> byGender[2];
        for (int m = 0; m < 4; ++m)
            for (const Result& r : {sheetOf(m).first[0], sheetOf(m).second[0]})
                if (r.runner >= 0 && r.runner < 4)
                    byGender[r.runner == 0 || r.runner == 3 ? 0 : 1].append(
                        {r.first.toInt() * 6000 + qRound(r.second.toDouble() * 100),
                         listedName(r.runner)});
        byGender[0] << std::pair{1231, girls[0]} << std::pair{1260, girls[2]}
                    << std::pair{1285, girls[1]};
        byGender[1] << std::pair{1150, listedName(1)} << std::pair{1175, listedName(2)};
        for (auto& list : byGender)
            std::stable_sort(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        auto mark = [](int hundredths) {
            return timed(-1, hundredths, 0, 0).printed;
        };
        selectTeam(0);
        w->findChild<QAction*>("mnuRecords")->trigger();
        const QString records = PrintedPreview::print();
        verifyInOrder(records, {"Girls", "100 Meter Dash", mark(byGender[0][0].first),
                                byGender[0][0].second, "Boys", "100 Meter Dash",
                                mark(byGender[1][0].first), byGender[1][0].second});
        QVERIFY(!records.contains("Not known"));
        auto* gender = w->findChild<QComboBox*>("eventGender");
        gender->setCurrentIndex(gender->findText("Girls"));
        clickText(w->eventList(), kEvents[0]);
        doubleClickText(w->eventList(), kEvents[0]);
        QStringList expected = {"100 Meter Dash, girls"};
        for (const auto& [hundredths, name] : byGender[0])
            expected << mark(hundredths) << name;
        const QString event = PrintedPreview::print();
        verifyInOrder(event, expected);
        QVERIFY(!event.contains(listedName(1)) && !event.contains(listedName(2)));
        gender->setCurrentIndex(0);
    }

    // Last, so that the reports above see only the season's four meets.
    void aMeetSavedWithoutTouchingTheCalendarIsDatedToday()
    {
        selectTeam(0);
        press(w.get(), QStringLiteral("meetAdd"));
        MeetEditor* editor = w->windows().meetEditor();
        retype(child<QLineEdit>(editor, "weatherBox"), QStringLiteral("Clear"));
        press(editor, QStringLiteral("updateButton"));
        QVERIFY(!editor->isVisible());
        RecordSet rs(
            QStringLiteral("SELECT MeetTime FROM Meets WHERE Pin=%1").arg(editor->meetPin()),
            *check);
        QCOMPARE(rs.field("MeetTime").toDateTime().date(), QDate::currentDate());
        QVERIFY(AppHarness::texts(w->meetList()).contains(dateText(QDate::currentDate()) + ' '));
    }

private:
    qint64 count(const QString& sql) const
    {
        RecordSet rs(sql, *check);
        return rs.field(rs.fieldNames().first()).toInt();
    }
    QString text(const QString& sql) const
    {
        RecordSet rs(sql, *check);
        return rs.field(rs.fieldNames().first()).text();
    }
};

QTEST_MAIN(SeasonTest)
#include "tst_season.moc"
