// Entering a results sheet from the keyboard: the picker's search, marks typed whole, points
// from places, the date box, and half-filled slots.
#include "data/RecordSet.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "shell/SettingsStore.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class SheetEntryTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_ann = 0, m_amy = 0, m_bo = 0, m_cy = 0, m_meet = 0;
    std::unique_ptr<AppHarness> h;
    MeetEditor* editor = nullptr;

    template <class W = QLineEdit> W* control(const QString& name)
    {
        return AppHarness::control<W>(editor, name);
    }
    RunnerSelector* picker() { return h->window().windows().runnerSelector(); }
    // Keys go where the focus is, as the coach's keyboard does, once a window has it.
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void key(Qt::Key k)
    {
        QTRY_VERIFY(focused());
        QTest::keyClick(focused(), k);
    }
    static void type(const QString& text)
    {
        for (QChar c : text) {
            QTRY_VERIFY(focused());
            QTest::keyClicks(focused(), QString(c));
        }
    }
    // The picker is up and has the keyboard.
    void pickerOpen()
    {
        QVERIFY(picker()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(picker()));
    }
    void chooseScoring(const char* key)
    {
        h->window().findChild<QAction*>(QStringLiteral("mnuScoring") + key)->trigger();
    }
    QString stored(const QString& box, int type, int entry)
    {
        RecordSet rs(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type=%2 "
                                    "ORDER BY JoinPin")
                         .arg(m_meet)
                         .arg(type),
                     h->check());
        for (int i = 0; i < entry; ++i)
            rs.moveNext();
        return rs.field(box).text();
    }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("Central");
            m_ann = f.addRunner("Adams, Ann", m_central);
            m_amy = f.addRunner("Adams, Amy", m_central);
            m_bo = f.addRunner("Brown, Bo", m_central);
            m_cy = f.addRunner("Cole, Cy", m_central);
            m_meet = f.addMeet(m_central, "2026-04-11");
        });
        h->window().windows().openMeetEditor(m_meet);
        editor = h->window().windows().meetEditor();
        QVERIFY(QTest::qWaitForWindowActive(editor));
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
    }

    void oneSlotFromTheKeyboard()
    {
        chooseScoring("Invitational");
        QPushButton* button = control<QPushButton>("runnerButton_0");
        button->setFocus();
        type("b");
        pickerOpen();
        type("ro");
        QCOMPARE(picker()->windowTitle(), QStringLiteral("Runner: 100 Meter Dash, first entry"));
        QCOMPARE(picker()->search()->text(), QStringLiteral("bro"));
        QVERIFY(picker()->x() >= button->mapToGlobal(QPoint(button->width(), 0)).x() ||
                picker()->frameGeometry().right() < button->mapToGlobal(QPoint()).x());
        key(Qt::Key_Return);
        QVERIFY(!picker()->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Brown, Bo"));
        QTRY_COMPARE(focused(), control("placeBox_0"));
        type("2");
        QCOMPARE(control("pointsBox_0")->text(), QStringLiteral("8"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        type("12.41");
        key(Qt::Key_Tab);
        QCOMPARE(control("measureBox_0")->text(), QStringLiteral("0"));
        QCOMPARE(control("measure2Box_0")->text(), QStringLiteral("12.41"));
        QCOMPARE(focused(), control<QWidget>("runner2Button_0"));
        key(Qt::Key_Return);
        pickerOpen();
        key(Qt::Key_Escape);
        QTRY_COMPARE(focused(), control<QWidget>("runner2Button_0"));
        AppHarness::press(editor, "updateButton");
        QCOMPARE(stored("Measure2", 1, 0), QStringLiteral("12.41"));
        QCOMPARE(stored("Points", 1, 0), QStringLiteral("8"));
        QCOMPARE(SettingsStore::read("Scoring"), QStringLiteral("Invitational"));
    }

    void aLineOfTheResultsSheet_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("boxes"); // place, points and the mark; or the message's start
        QTest::addColumn<QString>("next");
        QTest::newRow("dash") << 0 << "bro 2 12.41"
                              << "2 8 0 12.41"
                              << "runner2Button_0";
        QTest::newRow("a time alone is seconds") << 2 << "amy 1 55"
                                                 << "1 10 0 55"
                                                 << "runner2Button_2";
        QTest::newRow("mile") << 4 << "adams, ann 3 4:32.15"
                              << "3 6 4 32.15"
                              << "runner2Button_4";
        QTest::newRow("long jump") << 8 << "cole 1 18-06.5"
                                   << "1 10 18 6.5"
                                   << "runner2Button_8";
        QTest::newRow("no mark") << 9 << "cy 4"
                                 << "4 4 0 0"
                                 << "runner2Button_9";
        QTest::newRow("refused") << 4 << "bo 1 4:72"
                                 << "1600 Meter Run, first entry: the Mins box holds \"4:72\""
                                 << "measureBox_4";
    }
    void aLineOfTheResultsSheet()
    {
        QFETCH(int, event);
        QFETCH(QString, line);
        QFETCH(QString, boxes);
        chooseScoring("Invitational");
        control<QPushButton>("runnerButton_" + QString::number(event))->setFocus();
        type(line.left(1));
        pickerOpen();
        type(line.mid(1));
        key(Qt::Key_Return);
        QVERIFY(!picker()->isVisible());
        const QString n = QString::number(event);
        if (boxes.contains("box holds"))
            QVERIFY(Dialogs::messages().value(0).startsWith(boxes));
        else
            QCOMPARE(QStringList(
                         {control("placeBox_" + n)->text(), control("pointsBox_" + n)->text(),
                          control("measureBox_" + n)->text(), control("measure2Box_" + n)->text()})
                         .join(' '),
                     boxes);
        QFETCH(QString, next);
        QTRY_COMPARE(focused(), control<QWidget>(next));
    }

    void thePickerSearchesAndKeepsEntriesApart()
    {
        AppHarness::press(editor, "runnerButton_1");
        pickerOpen();
        picker()->search()->setText("cole");
        key(Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        control<QPushButton>("runner2Button_1")->setFocus();
        type("a");
        pickerOpen();
        QCOMPARE(picker()->search()->text(), QStringLiteral("a"));
        QStringList shown;
        for (int row = 0; row < picker()->runnerList()->count(); ++row)
            if (!picker()->runnerList()->item(row)->isHidden())
                shown << picker()->runnerList()->item(row)->text();
        QCOMPARE(shown, QStringList({"Adams, Amy", "Adams, Ann"}));
        key(Qt::Key_Down);
        QCOMPARE(picker()->runnerList()->selectedItem()->text(), QStringLiteral("Adams, Ann"));
        // Cole runs the 200 already: marked, and refused.
        picker()->search()->setText("co");
        const QListWidgetItem* cole =
            picker()->runnerList()->itemWithKey("Pin" + QString::number(m_cy));
        QCOMPARE(cole->toolTip(), QStringLiteral("Already entered in the 200 Meter Dash"));
        key(Qt::Key_Return);
        QVERIFY(picker()->isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        picker()->search()->setText("zz");
        key(Qt::Key_Return);
        QVERIFY(picker()->isVisible());
        QVERIFY(control<QPushButton>("runner2Button_1")->text().isEmpty());
    }

    void aRelaysLegsInARow()
    {
        chooseScoring("Dual");
        control<QPushButton>("runnerButton_13")->setFocus();
        key(Qt::Key_Return);
        for (const char* who : {"amy", "ann", "bo", "cy"}) {
            pickerOpen();
            type(who);
            key(Qt::Key_Return);
        }
        QVERIFY(!picker()->isVisible());
        QCOMPARE(control<QPushButton>("runnerButton_16")->text(), QStringLiteral("Cole, Cy"));
        QTRY_COMPARE(focused(), control("placeBox_13"));
        type("2");
        QCOMPARE(control("pointsBox_13")->text(), QStringLiteral("0"));
    }

    void wholeMarks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("marks"); // the pair, or the message's end
        QTest::addColumn<QString>("tip");
        QTest::newRow("mile") << "measureBox_4"
                              << "4:32.15"
                              << "4 32.15"
                              << "";
        QTest::newRow("in the seconds box") << "measure2Box_4"
                                            << "1:02.7"
                                            << "1 2.7"
                                            << "";
        QTest::newRow("long jump") << "measureBox_8"
                                   << "18' 6.5\""
                                   << "18 6.5"
                                   << "";
        QTest::newRow("metric") << "measure2Box_8"
                                << "5.62m"
                                << "18 5.25"
                                << "Typed as 5.62 m";
        QTest::newRow("60 seconds") << "measureBox_4"
                                    << "4:60"
                                    << "1600 Meter Run, first entry: the Mins box holds \"4:60\", "
                                       "but it must hold a time such as 4:32.15 or 12.41 (seconds "
                                       "under 60 beside minutes), or a number such as 4."
                                    << "";
    }
    void wholeMarks()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, marks);
        QLineEdit* typedIn = control(box);
        AppHarness::typeOver(typedIn, typed);
        key(Qt::Key_Tab);
        const QString pair = box.endsWith("_4") ? "4" : "8";
        if (!marks.contains("box holds")) {
            QCOMPARE(control("measureBox_" + pair)->text() + ' ' +
                         control("measure2Box_" + pair)->text(),
                     marks);
            QTEST(control("measureBox_" + pair)->toolTip(), "tip");
        } else {
            QCOMPARE(Dialogs::messages(), QStringList({marks}));
            QCOMPARE(focused(), typedIn);
        }
    }

    void pointsFollowPlacesUntilTyped()
    {
        chooseScoring("Dual");
        QLineEdit* place = control("placeBox_2");
        QLineEdit* points = control("pointsBox_2");
        AppHarness::typeOver(place, "1");
        QCOMPARE(points->text(), QStringLiteral("5"));
        AppHarness::typeOver(place, "3");
        QCOMPARE(points->text(), QStringLiteral("1"));
        AppHarness::typeOver(points, "4");
        AppHarness::typeOver(place, "2");
        QCOMPARE(points->text(), QStringLiteral("4"));
        chooseScoring("None");
        AppHarness::typeOver(control("placeBox_3"), "1");
        QCOMPARE(control("pointsBox_3")->text(), QStringLiteral("0"));
    }

    void aBoxTakesWhatIsTyped()
    {
        QLineEdit* box = control("placeBox_5");
        QCOMPARE(box->text(), QStringLiteral("0"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
        QTest::keyClicks(box, "5");
        QCOMPARE(box->text(), QStringLiteral("5"));
    }

    void theDateCanBeTyped()
    {
        const auto when = [this] {
            return RecordSet(QStringLiteral("SELECT MeetTime FROM Meets WHERE Pin=%1").arg(m_meet),
                             h->check())
                .field("MeetTime")
                .text();
        };
        const QString before = when();
        QLineEdit* date = control("meetDate");
        QCOMPARE(date->text(), QStringLiteral("4/11/2026"));
        AppHarness::typeOver(date, "1/9/26");
        key(Qt::Key_Tab);
        QCOMPARE(control<QCalendarWidget>("timeBox")->selectedDate(), QDate(2026, 1, 9));
        QCOMPARE(date->text(), QStringLiteral("1/9/2026"));
        AppHarness::typeOver(date, "13/40/2026");
        AppHarness::press(editor, "updateButton");
        QVERIFY(Dialogs::messages().last().startsWith("Date: the Date box holds \"13/40/2026\""));
        QVERIFY(editor->isVisible());
        QCOMPARE(when(), before);
    }

    void halfFilledSlotsAreMarkedAndListed()
    {
        AppHarness::press(editor, "runnerButton_0");
        pickerOpen();
        picker()->search()->setText("bo");
        key(Qt::Key_Return);
        QCOMPARE(control("measureBox_0")->accessibleDescription(),
                 QStringLiteral("No mark for this runner"));
        AppHarness::typeOver(control("measure2Box2_1"), "23.1");
        QCOMPARE(control<QPushButton>("runner2Button_1")->accessibleDescription(),
                 QStringLiteral("Results but no runner"));
        Dialogs::setNextAnswer(Dialogs::Answer::Cancel);
        AppHarness::press(editor, "updateButton");
        QCOMPARE(Dialogs::questions(),
                 QStringList({"Some entries are not complete:\n\n100 Meter Dash, first entry: "
                              "Brown, Bo has no mark\n200 Meter Dash, second entry: results but "
                              "no runner\n\nResults without a runner are not saved. Save the "
                              "meet anyway?"}));
        QVERIFY(editor->isVisible());
        QCOMPARE(stored("runner_pin", 1, 0), QStringLiteral("0"));
        AppHarness::press(editor, "updateButton");
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored("runner_pin", 1, 0), QString::number(m_bo));
    }

    // "2.33" in the 800 m is offered as 2:33; a mark beyond belief is named before a save.
    void unlikelyMarksAreAskedAbout()
    {
        for (const char* button : {"runnerButton_3", "runnerButton_11"}) {
            AppHarness::press(editor, button);
            pickerOpen();
            picker()->search()->setText("bo");
            key(Qt::Key_Return);
        }
        AppHarness::typeOver(control("measure2Box_3"), "2.33");
        AppHarness::typeOver(control("measureBox_11"), "85");
        Dialogs::setNextAnswer(true);                    // 2:33
        Dialogs::setNextAnswer(Dialogs::Answer::Cancel); // not with that shot put
        AppHarness::press(editor, "updateButton");
        QCOMPARE(Dialogs::questions().value(0),
                 QStringLiteral("800 Meter Dash, first entry: 2.33 seconds is faster than any "
                                "high-school 800 Meter Dash. Save it as 2:33?"));
        QCOMPARE(Dialogs::questions().value(1),
                 QStringLiteral("Some marks are beyond what high-school athletes run, jump or "
                                "throw:\n\nShot Put, first entry: 85-00 is farther than any "
                                "high-school Shot Put (over 82-00)\n\nSave the meet anyway?"));
        QTRY_COMPARE(focused(), control<QWidget>("measureBox_11"));
        QCOMPARE(control("measureBox_3")->text(), QStringLiteral("2"));
        QCOMPARE(control("measure2Box_3")->text(), QStringLiteral("33"));
        QVERIFY(editor->isVisible());
        AppHarness::typeOver(control("measureBox_11"), "45");
        AppHarness::press(editor, "updateButton");
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored("Measure1", 4, 0) + ':' + stored("Measure2", 4, 0), QStringLiteral("2:33"));
    }
};

QTEST_MAIN(SheetEntryTest)
#include "tst_sheet_entry.moc"
