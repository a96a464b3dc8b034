// A meet of several divisions through the windows: Options › Divisions and Add Meet, the
// division strip, further entries and relay teams from the keyboard, and the picker's girls
// and boys.
#include "data/RecordSet.h"
#include "editors/DivisionWindow.h"
#include "editors/FurtherEntries.h"
#include "editors/MeetEditor.h"
#include "editors/MoreEntriesWindow.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "shell/DivisionsWindow.h"
#include "shell/SettingsStore.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class DivisionsTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_ann = 0, m_amy = 0, m_bo = 0, m_cy = 0;
    std::unique_ptr<AppHarness> h;
    MeetEditor* editor = nullptr;

    template <class W = QWidget> W* control(QWidget* in, const QString& name)
    {
        return AppHarness::control<W>(in, name);
    }
    RunnerSelector* picker() { return h->window().windows().runnerSelector(); }
    QComboBox* divisions() { return control<QComboBox>(editor, "meetDivision"); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void type(const QString& text)
    {
        for (QChar c : text) {
            QTRY_VERIFY(focused() && focused()->window()->isActiveWindow());
            QTest::keyClicks(focused(), QString(c));
        }
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTRY_VERIFY(focused());
        QTest::keyClick(focused(), k, modifiers);
    }
    // Options › Divisions: the usual ones checked as given, and one of the coach's own.
    void chooseDivisions(const QStringList& checked)
    {
        h->window().findChild<QAction*>("mnuDivisions")->trigger();
        auto* window = h->window().findChild<DivisionsWindow*>();
        QVERIFY(window && window->isVisible());
        QListWidget* list = window->list();
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(
                checked.contains(list->item(row)->data(Qt::UserRole).toString()) ? Qt::Checked
                                                                                 : Qt::Unchecked);
        AppHarness::press(window, "divisionsAdd");
        auto* add = window->findChild<DivisionWindow*>();
        add->nameBox()->setEditText("Frosh-Soph Boys");
        add->confirm();
        QVERIFY(Dialogs::messages().last().contains("The Gender box is empty"));
        add->genderBox()->setCurrentIndex(add->genderBox()->findText("Boys"));
        add->confirm();
        QVERIFY(!add->isVisible());
        AppHarness::press(window, "divisionsOk");
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
        });
        for (const auto& [runner, gender] :
             {std::pair{m_ann, "F"}, {m_amy, "F"}, {m_bo, "M"}, {m_cy, "Boy"}})
            h->check().execute("UPDATE Runners SET Gender = ? WHERE Pin = ?", {gender, runner});
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
    }

    // The chosen divisions are remembered and made by Add Meet, each a whole sheet; the strip
    // steps through them with Ctrl+Page Down, and each keeps what was typed in it.
    void addMeetMakesTheUsualDivisions()
    {
        chooseDivisions({"Girls Varsity", "Boys Varsity"});
        QCOMPARE(SettingsStore::read("Divisions"),
                 QStringLiteral("F Girls Varsity\nM Boys Varsity\nM Frosh-Soph Boys"));
        AppHarness::press(&h->window(), "meetAdd");
        editor = h->window().windows().meetEditor();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        const qint64 meet = editor->meetPin();
        QCOMPARE(
            h->count(
                QStringLiteral("SELECT count(*) FROM Divisions WHERE Meet_Pin = %1").arg(meet)),
            3);
        QCOMPARE(
            h->count(
                QStringLiteral("SELECT count(*) FROM Event_to_Meet WHERE Meet_Pin = %1").arg(meet)),
            51);
        QCOMPARE(divisions()->count(), 3);
        QCOMPARE(divisions()->itemText(0), QStringLiteral("Girls Varsity (Girls)"));
        control<QLineEdit>(editor, "weatherBox")->setText("Sunny");
        control<QLineEdit>(editor, "placeBox_0")->setText("4");
        control<QPushButton>(editor, "runnerButton_0")->setFocus();
        key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(editor->division(), 1);
        QCOMPARE(control<QLineEdit>(editor, "placeBox_0")->text(), QStringLiteral("0"));
        key(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(control<QLineEdit>(editor, "placeBox_0")->text(), QStringLiteral("4"));

        // A division of the meet's own; a name it has already is refused.
        AppHarness::press(editor, "addDivision");
        auto* add = editor->findChild<DivisionWindow*>();
        add->nameBox()->setEditText("boys varsity");
        add->genderBox()->setCurrentIndex(add->genderBox()->findText("Boys"));
        add->confirm();
        QVERIFY(Dialogs::messages().last().startsWith("The Division box holds \"boys varsity\""));
        add->nameBox()->setEditText("Girls JV");
        add->genderBox()->setCurrentIndex(add->genderBox()->findText("Girls"));
        add->confirm();
        QCOMPARE(editor->division(), 3);
        // Removing a division without results asks nothing; one with results asks first.
        AppHarness::press(editor, "removeDivision");
        QCOMPARE(divisions()->count(), 3);
        divisions()->setCurrentIndex(0);
        AppHarness::press(editor, "removeDivision");
        QVERIFY(Dialogs::questions().last().startsWith("The division \"Girls Varsity\" holds"));
        QCOMPARE(divisions()->count(), 3);
        AppHarness::press(editor, "updateButton");
        QVERIFY(!editor->isVisible());
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Divisions WHERE Meet_Pin = %1 AND "
                                         "Name IN ('Girls Varsity', 'Boys Varsity', "
                                         "'Frosh-Soph Boys')")
                              .arg(meet)),
                 3);
        QCOMPARE(h->count("SELECT count(*) FROM Divisions WHERE Name = 'Girls JV'"), 0);
    }

    // The results line goes on past the second entry: typed on the "+", it makes the third
    // entry, then the fourth; a relay's B team is picked leg after leg. The picker offers the
    // division's girls first. All of it is saved with the sheet.
    void furtherEntriesFromTheKeyboard()
    {
        h->app().setUsualDivisions({{"Girls Varsity", "F"}});
        h->window().windows().addMeet(m_central);
        editor = h->window().windows().meetEditor();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        control<QPushButton>(editor, "moreEntries_0")->setFocus();
        QCOMPARE(focused()->accessibleName(), QStringLiteral("More entries: 100 Meter Dash"));
        type("a");
        QTRY_VERIFY(picker()->isVisible());
        QCOMPARE(picker()->windowTitle(), QStringLiteral("Runner: 100 Meter Dash, third entry"));
        // Girls only, until all runners are asked for.
        QCOMPARE(AppHarness::texts(picker()->runnerList()).size(), 4);
        int shown = 0;
        for (int row = 0; row < picker()->runnerList()->count(); ++row)
            shown += picker()->runnerList()->item(row)->isHidden() ? 0 : 1;
        QCOMPARE(shown, 2);
        picker()->showAll()->setChecked(true);
        picker()->search()->setText("adams, am 3 12.9");
        picker()->chooseFound();
        MoreEntriesWindow* more = editor->furtherEntries()->window();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(more->addButton()));
        QCOMPARE(control<QLineEdit>(more, "moreMark2_0")->text(), QStringLiteral("12.9"));
        type("adams, an 5 13.4");
        key(Qt::Key_Return);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(more->addButton()));
        QCOMPARE(control<QPushButton>(more, "moreRunner_1")->text(), QStringLiteral("Adams, Ann"));
        // A mark the window cannot read names its entry.
        auto* secs = control<QLineEdit>(more, "moreMark2_1");
        secs->setText("7x");
        QMetaObject::invokeMethod(secs, "editingFinished");
        QVERIFY(Dialogs::messages().last().startsWith(
            "100 Meter Dash, fourth entry: the Secs box holds \"7x\""));
        secs->setText("13.4");
        // The event's "+" again leaves what the window holds as it is.
        AppHarness::press(editor, "moreEntries_0");
        QCOMPARE(more->entrySlots().size(), 2);
        QCOMPARE(control<QLineEdit>(more, "moreMark2_1")->text(), QStringLiteral("13.4"));
        AppHarness::press(more, "moreDone");
        QCOMPARE(control<QPushButton>(editor, "moreEntries_0")->text(), QStringLiteral("+2"));

        // The 400 relay's B team, from its "+".
        control<QPushButton>(editor, "moreEntries_13")->setFocus();
        type("ann");
        key(Qt::Key_Return);
        for (const char* leg : {"amy", "bo", "cy 2 51.3"}) {
            QTRY_VERIFY(picker()->isVisible() && picker()->isActiveWindow());
            picker()->showAll()->setChecked(true);
            type(leg);
            key(Qt::Key_Return);
        }
        QTRY_COMPARE(control<QLineEdit>(more, "moreMark2_0")->text(), QStringLiteral("51.3"));
        control<QLineEdit>(more, "moreSplit_2")->setText("12.4");
        AppHarness::press(more, "moreDone");
        control<QLineEdit>(editor, "weatherBox")->setText("Sunny");
        // Boys in a girls' division are allowed, and named before the save.
        Dialogs::setNextAnswer(true);
        AppHarness::press(editor, "updateButton");
        QVERIFY(Dialogs::questions().last().contains(
            "Girls Varsity, 400 Meter Relay, B team: Cole, Cy is entered as a boy"));
        QVERIFY(!editor->isVisible());

        const qint64 meet = editor->meetPin();
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Events_View WHERE Meet_Pin = %1 "
                                         "AND Type = 1 AND Runner_Pin <> 0")
                              .arg(meet)),
                 2);
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Events_View WHERE Meet_Pin = %1 "
                                         "AND Type = 14 AND RelayTeam = 1 AND Place = 2")
                              .arg(meet)),
                 4);
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Events_View WHERE Meet_Pin = %1 "
                                         "AND RelayTeam = 1 AND Split = 12.4 AND Runners_Name = "
                                         "'Brown, Bo'")
                              .arg(meet)),
                 1);
        h->window().windows().openMeetEditor(meet);
        QCOMPARE(control<QPushButton>(editor, "moreEntries_0")->text(), QStringLiteral("+2"));
        QCOMPARE(control<QPushButton>(editor, "moreEntries_13")->text(), QStringLiteral("+1"));
        // A pick for a row taken off ends with the row.
        AppHarness::press(editor, "moreEntries_0");
        AppHarness::press(more, "moreRunner_1");
        QVERIFY(picker()->isVisible());
        AppHarness::press(more, "moreRemove_1");
        QVERIFY(!picker()->isVisible());
        QTest::keyClick(picker(), Qt::Key_Escape);
        QCOMPARE(more->entrySlots().size(), 1);
    }
};

QTEST_MAIN(DivisionsTest)
#include "tst_divisions.moc"
