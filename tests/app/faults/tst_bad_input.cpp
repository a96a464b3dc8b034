// Awkward text in every text box of every window: stored exactly as typed and printed exactly
// as typed. And every number box of the meet sheet refusing what is not a number it can
// store, with a message that names the box and nothing sent.
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "reports/ReportText.h"
#include "shell/FirstRunForm.h"
#include "shell/MainWindow.h"
#include "support/AppHarness.h"
#include "support/PdfText.h"
#include "support/PrintedPreview.h"
#include "support/TestProgramFolder.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class BadInputTest : public QObject
{
    Q_OBJECT

    template <class W = QWidget> static W* child(QWidget* parent, const QString& name)
    {
        return AppHarness::control<W>(parent, name);
    }
    static void press(QWidget* parent, const QString& name) { AppHarness::press(parent, name); }
    static void enter(QLineEdit* box, const QString& text) { AppHarness::typeOver(box, text); }
    static QString stored(Connection& db, const QString& sql)
    {
        RecordSet rs(sql, db);
        return rs.eof() ? QStringLiteral("<no row>") : rs.field(rs.fieldNames().first()).text();
    }
    // Prints the open preview and checks every value on paper (see PdfText::lastJobText).
    static void verifyPrinted(const QStringList& values, const char* what)
    {
        // The document handed to the preview holds every letter, emoji included.
        QFile work(ReportText::workFile());
        QVERIFY(work.open(QIODevice::ReadOnly));
        const QString document = QString::fromLatin1(work.readAll());
        for (const QString& v : values)
            QVERIFY2(document.contains(ReportText::rtf(v)), what);

        const QString printed = PrintedPreview::print();
        const QString page = PdfText::comparable(printed);
        const QString job = PdfText::comparable(PdfText::lastJobText());
        for (const QString& v : values) {
            const bool found =
                (PdfText::isWindows1252(v) ? page : job).contains(PdfText::comparable(v));
            QVERIFY2(found, qPrintable(QString::fromLatin1(what) + " lacks " + v.left(60) + "\n" +
                                       printed.left(3000)));
        }
    }

private slots:
    void everyTextBox_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophes") << "O'Brien's 'best'";
        QTest::newRow("percent") << "100% effort %d %s";
        QTest::newRow("backslash") << "C:\\Track\\new \\par \\b";
        QTest::newRow("braces") << "{braces} and }{ {\\rtf1}";
        QTest::newRow("double quotes") << "say \"hi\" \"\"";
        QTest::newRow("sql") << "'; DROP TABLE Teams; --";
        QTest::newRow("10,000 characters") << QStringLiteral("0123456789").repeated(1000);
        QTest::newRow("accents") << QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m N\u00fa\u00f1ez "
                                                   "\u00c6sa \u0152uvre \u20ac5");
        QTest::newRow("greek") << QStringLiteral("\u0391\u03b8\u03b7\u03bd\u03ac "
                                                 "\u03a3\u03c0\u03ac\u03c1\u03c4\u03b7");
        QTest::newRow("chinese") << QStringLiteral("\u4e2d\u6587\u540d\u5b57 "
                                                   "\u5317\u4eac\u4e00\u4e2d");
        QTest::newRow("emoji") << QStringLiteral("Fast \U0001F600 runner \U0001F3C3 \u2764");
    }

    void everyTextBox()
    {
        QFETCH(QString, value);
        TestProgramFolder folder;
        AppContext app;
        MainWindow w(app);
        w.startUp();

        // The first run's boxes: the coach's name and school.
        FirstRunForm* first = w.firstRunForm();
        QVERIFY(first);
        enter(first->nameBox(), value);
        enter(first->schoolBox(), QStringLiteral("S ") + value);
        press(first, QStringLiteral("submitButton"));
        QCOMPARE(app.userName(), value);
        QCOMPARE(app.school(), QStringLiteral("S ") + value);

        // The team editor's four boxes, each with the value behind a tag of its own.
        press(&w, QStringLiteral("teamAdd"));
        TeamEditor* team = w.windows().teamEditor();
        const qint64 teamPin = team->teamPin();
        const QString school = QStringLiteral("T ") + value, coach = QStringLiteral("C ") + value,
                      contact = QStringLiteral("P ") + value, mascot = QStringLiteral("M ") + value;
        enter(child<QLineEdit>(team, "schoolLabel"), school);
        enter(child<QLineEdit>(team, "coachLabel"), coach);
        enter(child<QLineEdit>(team, "contactLabel"), contact);
        enter(child<QLineEdit>(team, "mascotLabel"), mascot);
        press(team, QStringLiteral("updateButton"));
        QCOMPARE(Dialogs::messages().last(), QStringLiteral("Team Updated Successfully."));

        // The runner editor's boxes.
        AppHarness::click(w.schoolList(), 0);
        press(&w, QStringLiteral("runnerAdd"));
        RunnerEditor* runner = w.windows().runnerEditor();
        const qint64 runnerPin = runner->runnerPin();
        const QString firstName = QStringLiteral("F ") + value,
                      lastName = QStringLiteral("L ") + value,
                      phone = QStringLiteral("Ph ") + value,
                      address = QStringLiteral("A ") + value + QStringLiteral("\nline two");
        enter(child<QLineEdit>(runner, "nameLabel_0"), firstName);
        enter(child<QLineEdit>(runner, "nameLabel_1"), lastName);
        enter(child<QLineEdit>(runner, "phoneLabel"), phone);
        child<QPlainTextEdit>(runner, "AddressLabel")->setPlainText(address);
        press(runner, QStringLiteral("updateButton"));
        QCOMPARE(Dialogs::messages().last(), QStringLiteral("Runner Updated Successfully."));

        // The meet editor's text boxes, on a meet with one result.
        AppHarness::click(w.schoolList(), 0);
        press(&w, QStringLiteral("meetAdd"));
        MeetEditor* meet = w.windows().meetEditor();
        const qint64 meetPin = meet->meetPin();
        press(meet, QStringLiteral("schoolBox"));
        AppHarness::doubleClick(w.windows().teamSelector()->teamList(), 0);
        child<QCalendarWidget>(meet, "timeBox")->setSelectedDate(QDate(2026, 4, 11));
        press(meet, QStringLiteral("runnerButton_0"));
        AppHarness::doubleClick(w.windows().runnerSelector()->runnerList(), 0);
        enter(child<QLineEdit>(meet, "placeBox_0"), QStringLiteral("1"));
        enter(child<QLineEdit>(meet, "pointsBox_0"), QStringLiteral("10"));
        enter(child<QLineEdit>(meet, "measureBox_0"), QStringLiteral("0"));
        enter(child<QLineEdit>(meet, "measure2Box_0"), QStringLiteral("11.42"));
        const QString place = QStringLiteral("Pl ") + value, weather = QStringLiteral("W ") + value;
        enter(child<QLineEdit>(meet, "meetPlace"), place);
        enter(child<QLineEdit>(meet, "weatherBox"), weather);
        Dialogs::clear();
        press(meet, QStringLiteral("updateButton"));
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));

        // Stored exactly as typed (a runner's name is kept as "last, first").
        Connection& db = app.connection();
        const QString t = QString::number(teamPin), r = QString::number(runnerPin),
                      m = QString::number(meetPin);
        QCOMPARE(stored(db, "SELECT School FROM Teams WHERE Pin=" + t), school);
        QCOMPARE(stored(db, "SELECT Coach FROM Teams WHERE Pin=" + t), coach);
        QCOMPARE(stored(db, "SELECT ContactNo FROM Teams WHERE Pin=" + t), contact);
        QCOMPARE(stored(db, "SELECT Mascot FROM Teams WHERE Pin=" + t), mascot);
        const QString name = lastName + QStringLiteral(", ") + firstName;
        QCOMPARE(stored(db, "SELECT Name FROM Runners WHERE Pin=" + r), name);
        QCOMPARE(stored(db, "SELECT PhoneNumber FROM Runners WHERE Pin=" + r), phone);
        QCOMPARE(stored(db, "SELECT Address FROM Runners WHERE Pin=" + r), address);
        QCOMPARE(stored(db, "SELECT Place FROM Meets WHERE Pin=" + m), place);
        QCOMPARE(stored(db, "SELECT Weather FROM Meets WHERE Pin=" + m), weather);
        QCOMPARE(stored(db, "SELECT count(*) FROM sqlite_master WHERE name='Teams'"),
                 QStringLiteral("1"));

        if (!PrintedPreview::havePrinter())
            QSKIP("the test printer queue runs under scripts/run-tests");
        // Printed exactly as typed, in every report that shows the box's value.
        const QString user = value, userSchool = QStringLiteral("S ") + value;
        w.windows().openTeamEditor(teamPin);
        press(w.windows().teamEditor(), QStringLiteral("reportButton"));
        verifyPrinted({userSchool, user, school, mascot, coach, contact, name, phone, place},
                      "team report");
        w.windows().openRunnerEditor(runnerPin);
        press(w.windows().runnerEditor(), QStringLiteral("reportButton"));
        verifyPrinted({userSchool, user, name, school, phone, QStringLiteral("A ") + value,
                       QStringLiteral("line two"), QStringLiteral("11.42")},
                      "runner report");
        w.windows().openMeetEditor(meetPin);
        press(w.windows().meetEditor(), QStringLiteral("reportButton"));
        verifyPrinted({userSchool, user, school, place, weather, name}, "meet report");
        AppHarness::click(w.schoolList(), 0);
        AppHarness::click(w.eventList(), 0);
        AppHarness::doubleClick(w.eventList(), 0);
        verifyPrinted(
            {userSchool, user, school, mascot, coach, contact, name, QStringLiteral("11.42")},
            "event report");
        w.close();
    }

    void everyNumberBoxOfTheSheet()
    {
        qint64 meetPin = 0;
        AppHarness h([&meetPin](TrackFixture& f) {
            const qint64 team = f.addTeam("Central");
            const qint64 ann = f.addRunner("Adams, Ann", team);
            meetPin = f.addMeet(team, "2026-04-11");
            for (int type = 1; type <= 17; ++type)
                for (qint64 join : f.slotPins(meetPin, type))
                    f.fillSlot(join, ann, 0, 11, 1, 10);
        });
        QStringList sent;
        h.app().connection().setStatementObserver([&sent](const QString& sql) { sent << sql; });
        h.window().windows().openMeetEditor(meetPin);
        MeetEditor* editor = h.window().windows().meetEditor();
        const QString before = h.dumpAll();
        int boxes = 0;
        for (QLineEdit* box : editor->findChildren<QLineEdit*>()) {
            const QString name = box->objectName();
            if (name == QLatin1String("meetPlace") || name == QLatin1String("weatherBox") ||
                name == QLatin1String("meetDate") || name.startsWith(QLatin1String("qt_")))
                continue;
            ++boxes;
            // "100 Meter Dash, second entry, Place": the event, the entry and the box.
            const QStringList parts = box->accessibleName().split(QStringLiteral(", "));
            const QString kept = box->text();
            for (const QString bad : {"abc", "1,5", "-3", "99999999999999999999", "12abc"}) {
                box->setText(bad);
                Dialogs::clear();
                sent.clear();
                press(editor, QStringLiteral("updateButton"));
                QVERIFY2(sent.isEmpty(), qPrintable(name + ": " + sent.join('\n')));
                QCOMPARE(Dialogs::messages().size(), 1);
                const QString message = Dialogs::messages().first();
                QVERIFY2(message.startsWith(parts.first()) &&
                             message.contains(QStringLiteral("the %1 box").arg(parts.last())) &&
                             message.contains('"' + bad + '"') &&
                             message.contains(QLatin1String("second entry")) ==
                                 (parts.size() == 3 && parts[1] == QLatin1String("second entry")),
                         qPrintable(name + ": " + message));
                QCOMPARE(editor->focusWidget(), box);
                QVERIFY(editor->isVisible());
            }
            box->setText(kept);
        }
        // Each relay's four boxes and its legs' splits.
        QCOMPARE(boxes, 13 * 2 * 4 + 4 * (4 + 4));
        QCOMPARE(h.dumpAll(), before);
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_bad_input.moc"
