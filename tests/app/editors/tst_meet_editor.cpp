// The meet sheet against a real database: loading, the pickers, saving and deleting.
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamSelector.h"
#include "records/SheetNumber.h"
#include "reports/MeetReport.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class MeetEditorTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_north = 0, m_ann = 0, m_bo = 0, m_cy = 0, m_dee = 0, m_a = 0, m_b = 0;
    std::unique_ptr<AppHarness> h;
    MeetEditor* editor = nullptr;
    QStringList sent;

    template <class W = QLineEdit> W* control(const QString& name)
    {
        W* w = editor->findChild<W*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) { return control<QLineEdit>(name)->text(); }
    QString caption(const QString& name) { return control<QAbstractButton>(name)->text(); }
    QString hidden(const QString& name) { return control<QLabel>(name)->text(); }
    void type(const QString& box, const QString& value) { control<QLineEdit>(box)->setText(value); }
    void open(qint64 meet)
    {
        h->window().windows().openMeetEditor(meet);
        editor = h->window().windows().meetEditor();
        QVERIFY(editor->isVisible());
    }
    // Chooses a runner through the picker, as the coach does.
    void pick(const QString& button, qint64 runner)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        RunnerSelector* picker = h->window().windows().runnerSelector();
        QVERIFY(picker->isVisible());
        KeyedList* list = picker->runnerList();
        AppHarness::doubleClick(list, list->row(list->itemWithKey(pinKey(runner))));
        QVERIFY(!picker->isVisible());
    }
    void pressSave() { QTest::mouseClick(control<QPushButton>("updateButton"), Qt::LeftButton); }
    QString slotRow(qint64 join)
    {
        RecordSet rs(QStringLiteral("SELECT * FROM Event_to_Runner WHERE Pin=%1").arg(join),
                     h->check());
        QStringList v;
        for (const char* c :
             {"Runner_Pin", "feet", "Inches", "Minutes", "Seconds", "Points", "Place"})
            v << rs.field(c).text();
        return v.join(' ');
    }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("Central");
            m_north = f.addTeam("North");
            m_ann = f.addRunner("Adams, Ann", m_central);
            m_bo = f.addRunner("Brown, Bo", m_central);
            m_cy = f.addRunner("Cole, Cy", m_central);
            m_dee = f.addRunner("Diaz, Dee", m_central);
            m_a = f.addMeet(m_central, "2026-04-11", m_north, "North Field", "Windy");
            f.fillSlot(f.slotPins(m_a, 1)[0], m_ann, 0, 12.1, 1, 10);
            f.fillSlot(f.slotPins(m_a, 1)[1], m_bo, 0, 12.7, 2, 8);
            m_b = f.addMeet(m_central, "2026-04-18");
        });
        // B's 100 lost its second slot (an older database could hold such a sheet).
        h->check().execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Pin=%1")
                               .arg(h->data().slotPins(m_b, 1)[1]));
        h->app().connection().setStatementObserver([this](const QString& sql) { sent << sql; });
        sent.clear();
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
    }

    void aNewMeetShowsItsEmptySheet()
    {
        QTest::mouseClick(h->window().findChild<QPushButton*>("meetAdd"), Qt::LeftButton);
        editor = h->window().windows().meetEditor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Meet Information"));
        const qint64 meet = editor->meetPin();
        for (int e = 0; e < 13; ++e) {
            const QList<qint64> pins = h->data().slotPins(meet, e + 1);
            QCOMPARE(caption(Controls("runnerButton", e)), QString());
            QCOMPARE(hidden(Controls("runnerLabel", e)), "0 " + QString::number(pins[0]));
            QCOMPARE(hidden(Controls("runner2Label", e)), "0 " + QString::number(pins[1]));
            QCOMPARE(text(Controls("placeBox", e)), QStringLiteral("0"));
        }
        for (int n = 13; n < 29; ++n)
            QCOMPARE(hidden(Controls("runnerLabel", n)), QStringLiteral("0 1"));
        QCOMPARE(text("weatherBox"), QStringLiteral("New Meet"));
        QCOMPARE(caption("schoolBox"), QStringLiteral(" "));
        QCOMPARE(text("meetPlace"), QString());
        QCOMPARE(editor->teamPin(), m_central);
    }

    void aSecondMeetShowsNothingOfTheFirst()
    {
        open(m_a);
        QCOMPARE(caption("runner2Button_0"), QStringLiteral("Brown, Bo"));
        QCOMPARE(text("measure2Box2_0"), QStringLiteral("12.7"));
        QCOMPARE(caption("schoolBox"), QString::number(m_north) + " North");
        open(m_b);
        QCOMPARE(caption("runnerButton_0"), QString());
        QCOMPARE(text("placeBox_0"), QStringLiteral("0"));
        // B has no second slot in the 100: its controls are empty and cannot take a runner.
        QCOMPARE(caption("runner2Button_0"), QString());
        QVERIFY(!control<QPushButton>("runner2Button_0")->isEnabled());
        QCOMPARE(hidden("runner2Label_0"), QString());
        QCOMPARE(text("PlaceBox2_0"), QString());
        QCOMPARE(text("measure2Box2_0"), QString());
        QCOMPARE(text("weatherBox"), QStringLiteral("Sunny"));
        QCOMPARE(caption("schoolBox"), QStringLiteral(" "));
        // Saving B touches B only.
        const QString a = h->dump("Event_to_Runner");
        pressSave();
        QCOMPARE(h->dump("Event_to_Runner"), a);
    }

    void theShotPutStatement()
    {
        open(m_b);
        const qint64 join = h->data().slotPins(m_b, 12)[0];
        pick("runnerButton_11", m_bo);
        QCOMPARE(hidden("runnerLabel_11"), QStringLiteral("%1 %2").arg(m_bo).arg(join));
        QCOMPARE(caption("runnerButton_11"), QStringLiteral("Brown, Bo"));
        type("placeBox_11", "2");
        type("pointsBox_11", "8");
        type("measureBox_11", "41");
        type("measure2Box_11", "6");
        pressSave();
        QVERIFY(Dialogs::messages().isEmpty());
        QVERIFY(!editor->isVisible());
        QVERIFY(sent.contains(QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = %1,feet=41,"
                                             "Inches=6,Minutes=41,Seconds=6,Points=8,Place=2 "
                                             "WHERE Pin=%2")
                                  .arg(m_bo)
                                  .arg(join)));
        QCOMPARE(slotRow(join), QStringLiteral("%1 41 6 41 6 8 2").arg(m_bo));
        // Slots without a runner are not written.
        QCOMPARE(sent.filter("UPDATE Event_to_Runner Set Runner_Pin").size(), 1);
    }

    void aRelayWithThreeLegs()
    {
        open(m_b);
        pick("runnerButton_13", m_ann);
        pick("runnerButton_14", m_bo);
        pick("runnerButton_15", m_cy);
        type("placeBox_13", "1");
        type("pointsBox_13", "10");
        type("measureBox_13", "0");
        type("measure2Box_13", "43.5");
        type("splitBox_1", "11.8");
        pressSave();
        const QList<qint64> legs = h->data().slotPins(m_b, 14);
        QCOMPARE(slotRow(legs[0]), QStringLiteral("%1 0 43.5 0 43.5 10 1").arg(m_ann));
        QCOMPARE(slotRow(legs[1]), QStringLiteral("%1 0 43.5 0 43.5 10 1").arg(m_bo));
        QCOMPARE(slotRow(legs[2]), QStringLiteral("%1 0 43.5 0 43.5 10 1").arg(m_cy));
        QCOMPARE(slotRow(legs[3]), QStringLiteral("0 0 0 0 0 0 0"));

        // Loaded again, the boxes show the relay's result, not the empty fourth leg.
        open(m_b);
        QCOMPARE(caption("runnerButton_15"), QStringLiteral("Cole, Cy"));
        QCOMPARE(caption("runnerButton_16"), QString());
        QCOMPARE(text("placeBox_13"), QStringLiteral("1"));
        QCOMPARE(text("measure2Box_13"), QStringLiteral("43.5"));
        QCOMPARE(text("splitBox_1"), QStringLiteral("11.8"));
        QCOMPARE(text("splitBox_0"), QString());
    }

    void choosingAnotherHost()
    {
        open(m_b);
        QTest::mouseClick(control<QPushButton>("schoolBox"), Qt::LeftButton);
        TeamSelector* picker = h->window().windows().teamSelector();
        QVERIFY(picker->isVisible());
        KeyedList* list = picker->teamList();
        AppHarness::doubleClick(list, list->row(list->itemWithKey(pinKey(m_north))));
        QCOMPARE(caption("schoolBox"), QString::number(m_north) + " North");
        type("meetPlace", "O'Hare Field");
        type("weatherBox", "Rain'; DROP TABLE Meets; --");
        pressSave();
        RecordSet rs(QStringLiteral("SELECT * FROM Meets WHERE Pin=%1").arg(m_b), h->check());
        QCOMPARE(rs.field("HostingTeam").toInt(), m_north);
        QCOMPARE(rs.field("Place").text(), QStringLiteral("O'Hare Field"));
        QCOMPARE(rs.field("Weather").text(), QStringLiteral("Rain'; DROP TABLE Meets; --"));
        QCOMPARE(AppHarness::texts(h->window().meetList()),
                 QStringList({"4/11/2026 North North Field", "4/18/2026 North O'Hare Field"}));
    }

    void aNewMeetSavesTheDateItShowsAndNoHost()
    {
        QTest::mouseClick(h->window().findChild<QPushButton*>("meetAdd"), Qt::LeftButton);
        editor = h->window().windows().meetEditor();
        QCOMPARE(control<QCalendarWidget>("timeBox")->selectedDate(), QDate::currentDate());
        pressSave();
        QVERIFY(Dialogs::messages().isEmpty());
        RecordSet rs(QStringLiteral("SELECT * FROM Meets WHERE Pin=%1").arg(editor->meetPin()),
                     h->check());
        QVERIFY(rs.field("HostingTeam").isNull());
        // Stored in the one sortable form.
        RecordSet stored(QStringLiteral("SELECT MeetTime AS Stored FROM Meets WHERE Pin=%1")
                             .arg(editor->meetPin()),
                         h->check());
        QCOMPARE(stored.field("Stored").text(), QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(rs.field("Weather").text(), QStringLiteral("New Meet"));
    }

    void savedValuesComeBack()
    {
        open(m_b);
        control<QCalendarWidget>("timeBox")->setSelectedDate(QDate(2026, 5, 2));
        pick("runnerButton_4", m_dee);
        type("placeBox_4", "3");
        type("pointsBox_4", "6");
        type("measureBox_4", "4");
        type("measure2Box_4", "35.20");
        pick("runner2Button_8", m_cy);
        type("PlaceBox2_8", "");
        type("PointsBox2_8", ".5");
        type("measureBox2_8", "18");
        type("measure2Box2_8", "4.25");
        pressSave();
        QVERIFY(Dialogs::messages().isEmpty());
        RecordSet rs(QStringLiteral("SELECT MeetTime FROM Meets WHERE Pin=%1").arg(m_b),
                     h->check());
        QCOMPARE(rs.field("MeetTime").toDateTime().date(), QDate(2026, 5, 2));
        QCOMPARE(AppHarness::texts(h->window().meetList()).last(), QStringLiteral("5/2/2026 "));

        open(m_b);
        QCOMPARE(control<QCalendarWidget>("timeBox")->selectedDate(), QDate(2026, 5, 2));
        QCOMPARE(caption("runnerButton_4"), QStringLiteral("Diaz, Dee"));
        QCOMPARE(text("placeBox_4"), QStringLiteral("3"));
        QCOMPARE(text("measureBox_4"), QStringLiteral("4"));
        QCOMPARE(text("measure2Box_4"), QStringLiteral("35.2"));
        QCOMPARE(caption("runner2Button_8"), QStringLiteral("Cole, Cy"));
        QCOMPARE(text("PlaceBox2_8"), QStringLiteral("0"));
        QCOMPARE(text("PointsBox2_8"), QStringLiteral("0.5"));
        QCOMPARE(text("measure2Box2_8"), QStringLiteral("4.25"));
        RecordSet view(QStringLiteral("SELECT MeasureTime FROM Events_View WHERE Meet_Pin=%1 AND "
                                      "Type=5 AND Runner_Pin=%2")
                           .arg(m_b)
                           .arg(m_dee),
                       h->check());
        QCOMPARE(view.field("MeasureTime").text(), QStringLiteral("4:35.20"));
    }

    void sheetNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("literal");
        QTest::newRow("whole") << "12"
                               << "12";
        QTest::newRow("decimal") << "11.42"
                                 << "11.42";
        QTest::newRow("blanks around") << " 7 "
                                       << "7";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("leading point") << ".5"
                                       << "0.5";
        QTest::newRow("trailing point") << "5."
                                        << "5";
        QTest::newRow("letter") << "2a"
                                << "";
        QTest::newRow("comma") << "11,42"
                               << "";
        QTest::newRow("negative") << "-3"
                                  << "";
        QTest::newRow("huge") << "12345678901234567890"
                              << "";
        QTest::newRow("exponent") << "1e5"
                                  << "";
        QTest::newRow("too precise") << "1.23456"
                                     << "";
        QTest::newRow("sql") << "1;DROP"
                             << "";
    }
    void sheetNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, literal);
        QCOMPARE(SheetNumber::sqlLiteral(typed).value_or(QString()), literal);
    }

    void aBadBoxSendsNothingAndIsNamed()
    {
        open(m_a);
        type("PlaceBox2_0", "2nd");
        type("placeBox_5", "x"); // no runner in that slot: not checked, not sent
        type("weatherBox", "Changed");
        const QString before = h->dumpAll();
        pressSave();
        QVERIFY(sent.isEmpty());
        QCOMPARE(h->dumpAll(), before);
        QVERIFY(editor->isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        const QString message = Dialogs::messages().first();
        QVERIFY2(message.contains("100 Meter Dash, second entry") && message.contains("Place box"),
                 qPrintable(message));
        QCOMPARE(editor->focusWidget(), control<QLineEdit>("PlaceBox2_0"));
    }

    void aRefusedSaveAppliesNothing()
    {
        h->check().execute("CREATE TRIGGER refuse BEFORE UPDATE OF Place ON Meets "
                           "BEGIN SELECT RAISE(ABORT, 'database is locked'); END");
        open(m_a);
        type("measure2Box_0", "11.9");
        type("weatherBox", "Hail");
        const QString before = h->dumpAll();
        pressSave();
        QCOMPARE(h->dumpAll(), before);
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains("database is locked"));
        QVERIFY(editor->isVisible());
    }

    void deleteLeavesNothingOfTheMeet()
    {
        open(m_a);
        const QString before = h->dumpAll();
        Dialogs::setNextAnswer(false);
        QTest::mouseClick(control<QPushButton>("deleteButton"), Qt::LeftButton);
        QCOMPARE(Dialogs::questions(), QStringList({"Delete Meet?"}));
        QCOMPARE(h->dumpAll(), before);

        Dialogs::setNextAnswer(true);
        QTest::mouseClick(control<QPushButton>("deleteButton"), Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        const QString a = QString::number(m_a);
        QCOMPARE(h->count("SELECT count(*) FROM Meets WHERE Pin=" + a), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Meet_to_Team WHERE Meet_Pin=" + a), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Event_to_Meet WHERE Meet_Pin=" + a), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Events"), 17);
        QCOMPARE(h->count("SELECT count(*) FROM Event_to_Runner"), 41);
        QCOMPARE(AppHarness::texts(h->window().meetList()), QStringList({"4/18/2026 "}));
    }

    void screenReadersHearWhoRuns()
    {
        open(m_a);
        auto said = [this](const char* name) {
            return control<QWidget>(name)->accessibleName();
        };
        // Each runner's first mark in the 100 is their PR as of this meet.
        QTRY_COMPARE(said("runnerButton_0"),
                     QStringLiteral("100 Meter Dash, first entry: Adams, Ann, PR"));
        QCOMPARE(said("runner2Button_0"),
                 QStringLiteral("100 Meter Dash, second entry: Brown, Bo, PR"));
        QVERIFY(control<QWidget>("runnerButton_0")->toolTip().startsWith("PR: "));
        QCOMPARE(said("runnerButton_1"), QStringLiteral("200 Meter Dash, first entry: no runner"));
        QCOMPARE(said("runnerButton_14"), QStringLiteral("400 Meter Relay, leg 2: no runner"));
        QCOMPARE(said("schoolBox"), QStringLiteral("Hosting School: North"));
        pick("runnerButton_14", m_cy);
        QCOMPARE(said("runnerButton_14"), QStringLiteral("400 Meter Relay, leg 2: Cole, Cy"));
        QTest::mouseClick(control<QPushButton>("schoolBox"), Qt::LeftButton);
        KeyedList* hosts = h->window().windows().teamSelector()->teamList();
        AppHarness::doubleClick(hosts, hosts->row(hosts->itemWithKey(pinKey(m_central))));
        QCOMPARE(said("schoolBox"), QStringLiteral("Hosting School: Central"));
    }

    // A PR shown on the sheet is the PR of the runner and mark the sheet holds now.
    void theBestsFollowEveryChangeOfTheSheet()
    {
        // Cy ran 11.8 a week before meet A: A's 12.1 would be no PR of his.
        const qint64 earlier = h->data().addMeet(m_central, "2026-04-04");
        h->data().fillSlot(h->data().slotPins(earlier, 1)[0], m_cy, 0, 11.8, 1, 10);
        open(m_a);
        auto* button = control<QPushButton>("runnerButton_0");
        auto shows = [&](bool pr) {
            return button->font().bold() == pr && button->toolTip().startsWith("PR: ") == pr &&
                   button->accessibleName().endsWith(", PR") == pr;
        };
        QTRY_VERIFY(shows(true));
        pick("runnerButton_0", m_cy);
        QTRY_VERIFY(shows(false));
        type("measure2Box_0", "11.5");
        QTRY_VERIFY(shows(true));
        type("measure2Box_0", "12.1");
        QTRY_VERIFY(shows(false));
        // Moved before Cy's other meet, A's 12.1 is his first mark, so his best then.
        control<QCalendarWidget>("timeBox")->setSelectedDate(QDate(2026, 4, 1));
        QTRY_VERIFY(shows(true));
    }

    // What the officials wrote beside a mark is kept with it, shown again and printed.
    void aHandTimeAndAWindAreKeptWithTheirMarks()
    {
        open(m_b);
        pick("runnerButton_1", m_ann);
        type("measure2Box_1", "24.8h");
        pick("runnerButton_8", m_bo);
        type("measureBox_8", "18");
        type("measure2Box_8", "6.5 +3.1");
        pressSave();
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('|')));
        auto notes = [this](int type) {
            RecordSet rs(QStringLiteral("SELECT Timing, Wind, Aided FROM Event_to_Runner WHERE "
                                        "Pin = %1")
                             .arg(h->data().slotPins(m_b, type)[0]),
                         h->check());
            return rs.field("Timing").text() + '|' + rs.field("Wind").text() + '|' +
                   rs.field("Aided").text();
        };
        QCOMPARE(notes(2), QStringLiteral("h||0"));
        QCOMPARE(notes(9), QStringLiteral("|3.1|1"));
        open(m_b);
        QCOMPARE(text("measure2Box_1"), QStringLiteral("24.8h"));
        QCOMPARE(text("measure2Box_8"), QStringLiteral("6.5 +3.1"));
        const QString printed = MeetReport::build(h->app(), m_b).document();
        QVERIFY2(printed.contains("24.8h") && printed.contains("18-06.50w\\tab ") &&
                     printed.contains("  wind +3.1"),
                 qPrintable(printed));
        // Taken away again, and a wind where none is kept, which Save refuses.
        type("measure2Box_1", "24.8");
        type("measure2Box_8", "6.5");
        pick("runnerButton_2", m_cy);
        type("measure2Box_2", "58.2 +1.0");
        pressSave();
        QVERIFY(Dialogs::messages().last().contains("a wind is kept only for the 100 m"));
        type("measure2Box_2", "58.2");
        pressSave();
        QCOMPARE(notes(2), QStringLiteral("||0"));
        QCOMPARE(notes(9), QStringLiteral("||0"));
    }

    // A click into the date selects it, so that the date typed replaces it.
    void aClickIntoTheDateSelectsIt()
    {
        open(m_a);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        auto* date = control<QLineEdit>("meetDate");
        QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(4, date->height() / 2));
        QCOMPARE(date->selectedText(), date->text());
        QTest::keyClicks(date, "4/19/26");
        QCOMPARE(date->text(), QStringLiteral("4/19/26"));
    }

    void marksBeyondTheirUnit_data()
    {
        QTest::addColumn<QString>("runner");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named");
        QTest::newRow("75 seconds") << "runnerButton_2"
                                    << "measure2Box_2"
                                    << "75"
                                    << "Secs";
        QTest::newRow("60 seconds") << "runnerButton_2"
                                    << "measure2Box_2"
                                    << "60"
                                    << "Secs";
        QTest::newRow("59.99 seconds") << "runnerButton_2"
                                       << "measure2Box_2"
                                       << "59.99"
                                       << "";
        QTest::newRow("14 inches") << "runnerButton_8"
                                   << "measure2Box_8"
                                   << "14"
                                   << "Inches";
        QTest::newRow("12 inches") << "runner2Button_8"
                                   << "measure2Box2_8"
                                   << "12"
                                   << "Inches";
        QTest::newRow("11.75 inches") << "runnerButton_8"
                                      << "measure2Box_8"
                                      << "11.75"
                                      << "";
        QTest::newRow("relay 61 seconds") << "runnerButton_13"
                                          << "measure2Box_13"
                                          << "61"
                                          << "Secs";
    }
    void marksBeyondTheirUnit()
    {
        QFETCH(QString, runner);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, named);
        open(m_b);
        pick(runner, m_dee);
        type(box, typed);
        const QString before = h->dumpAll();
        pressSave();
        if (named.isEmpty()) {
            QVERIFY(Dialogs::messages().isEmpty());
            QVERIFY(!editor->isVisible());
            return;
        }
        QCOMPARE(h->dumpAll(), before);
        QVERIFY(editor->isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY2(Dialogs::messages().first().contains(named + " box holds \"" + typed + '"'),
                 qPrintable(Dialogs::messages().first()));
        QCOMPARE(editor->focusWidget(), control<QLineEdit>(box));
    }

    void aRunnerTakesOneEntryOfAnEvent_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("taken");
        QTest::newRow("both entries of the 200") << "runnerButton_1"
                                                 << "runner2Button_1" << false;
        QTest::newRow("two legs of a relay") << "runnerButton_13"
                                             << "runnerButton_15" << false;
        QTest::newRow("two events") << "runnerButton_0"
                                    << "runnerButton_1" << true;
        QTest::newRow("two relays") << "runnerButton_13"
                                    << "runnerButton_17" << true;
    }
    void aRunnerTakesOneEntryOfAnEvent()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, taken);
        open(m_b);
        pick(first, m_dee);
        const QString label = QString(second).replace("Button", "Label");
        const QString before = hidden(label);
        QTest::mouseClick(control<QPushButton>(second), Qt::LeftButton);
        RunnerSelector* picker = h->window().windows().runnerSelector();
        KeyedList* list = picker->runnerList();
        AppHarness::doubleClick(list, list->row(list->itemWithKey(pinKey(m_dee))));
        QCOMPARE(caption(second).isEmpty(), !taken);
        QCOMPARE(picker->isVisible(), !taken);
        if (!taken) {
            QCOMPARE(hidden(label), before);
            QCOMPARE(Dialogs::messages().size(), 1);
            QVERIFY(Dialogs::messages().first().startsWith("Diaz, Dee is already entered in the "));
        }
    }

    void closingAfterAChangeAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("weather");
        QTest::newRow("yes") << int(Dialogs::Answer::Yes) << true << "Hail";
        QTest::newRow("no") << int(Dialogs::Answer::No) << true << "Windy";
        QTest::newRow("cancel") << int(Dialogs::Answer::Cancel) << false << "Windy";
    }
    void closingAfterAChangeAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, weather);
        open(m_a);
        // Unchanged, Escape closes without a question.
        QTest::keyClick(control<QLineEdit>("weatherBox"), Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QVERIFY(Dialogs::questions().isEmpty());
        open(m_a);
        type("weatherBox", "Hail");
        Dialogs::setNextAnswer(Dialogs::Answer(answer));
        QTest::keyClick(control<QLineEdit>("weatherBox"), Qt::Key_Escape);
        QCOMPARE(Dialogs::questions(), QStringList({"Save the changes to this meet?"}));
        QCOMPARE(!editor->isVisible(), closed);
        RecordSet rs(QStringLiteral("SELECT Weather FROM Meets WHERE Pin=%1").arg(m_a), h->check());
        QCOMPARE(rs.field("Weather").text(), weather);
    }

    void aNewMeetOffersItsPlaceholderAndEnterSaves()
    {
        QTest::mouseClick(h->window().findChild<QPushButton*>("meetAdd"), Qt::LeftButton);
        editor = h->window().windows().meetEditor();
        QLineEdit* weather = control<QLineEdit>("weatherBox");
        QCOMPARE(weather->selectedText(), QStringLiteral("New Meet"));
        QTest::keyClicks(weather, "Dry");
        QCOMPARE(weather->text(), QStringLiteral("Dry"));
        QTest::keyClick(weather, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        RecordSet rs(
            QStringLiteral("SELECT Weather FROM Meets WHERE Pin=%1").arg(editor->meetPin()),
            h->check());
        QCOMPARE(rs.field("Weather").text(), QStringLiteral("Dry"));
    }

private:
    static QString Controls(const char* name, int index)
    {
        return QString::fromLatin1(name) + '_' + QString::number(index);
    }
};

QTEST_MAIN(MeetEditorTest)
#include "tst_meet_editor.moc"
