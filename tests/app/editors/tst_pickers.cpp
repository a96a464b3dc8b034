// The runner and team pickers write their choice into the caller's controls.
#include "data/SqlText.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamSelector.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class PickersTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_north = 0, m_ann = 0, m_cy = 0;
    std::unique_ptr<AppHarness> h;
    QPushButton button;
    QLabel label;

    int rowOf(KeyedList* list, qint64 pin) { return list->row(list->itemWithKey(pinKey(pin))); }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("Central");
            m_north = f.addTeam("North");
            f.addRunner("Smith, Zed", m_central);
            m_ann = f.addRunner("Adams, Ann", m_central);
            m_cy = f.addRunner("Diaz, Cy", m_north);
        });
        button.setText(QString());
        label.setText(QStringLiteral("12 345"));
    }
    void cleanup() { h.reset(); }

    void choosingARunnerKeepsTheSlot()
    {
        RunnerSelector* picker = h->window().windows().runnerSelector();
        QCOMPARE(picker->windowTitle(), QStringLiteral("Runner Selector"));
        picker->build(m_central, &button, &label);
        ProgramWindows::present(picker);
        // Only the team's own runners, in alphabetical order.
        QCOMPARE(AppHarness::texts(picker->runnerList()),
                 QStringList({"Adams, Ann", "Smith, Zed"}));
        AppHarness::doubleClick(picker->runnerList(), rowOf(picker->runnerList(), m_ann));
        QCOMPARE(label.text(), QString::number(m_ann) + " 345");
        QCOMPARE(button.text(), QStringLiteral("Adams, Ann"));
        QVERIFY(!picker->isVisible());
    }

    void enterAndSpaceChooseOtherKeysDoNot()
    {
        RunnerSelector* picker = h->window().windows().runnerSelector();
        label.setText(QStringLiteral("0 1"));
        picker->build(m_north, &button, &label);
        ProgramWindows::present(picker);
        KeyedList* list = picker->runnerList();
        list->setFocus();
        // Enter with nothing selected chooses nothing.
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(label.text(), QStringLiteral("0 1"));
        list->selectRow(0);
        QTest::keyClick(list, Qt::Key_A);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(label.text(), QStringLiteral("0 1"));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(label.text(), QString::number(m_cy) + " 1");
        QCOMPARE(button.text(), QStringLiteral("Diaz, Cy"));

        label.setText(QStringLiteral("0 1"));
        picker->build(m_north, &button, &label);
        picker->runnerList()->selectRow(0);
        QTest::keyClick(picker->runnerList(), Qt::Key_Return);
        QCOMPARE(label.text(), QString::number(m_cy) + " 1");
    }

    void aLatePickGoesToTheLatestTarget()
    {
        RunnerSelector* picker = h->window().windows().runnerSelector();
        QPushButton otherButton;
        QLabel otherLabel(QStringLiteral("0 99"));
        picker->build(m_central, &button, &label);
        picker->build(m_central, &otherButton, &otherLabel);
        picker->runnerList()->selectRow(0);
        picker->choose();
        QCOMPARE(label.text(), QStringLiteral("12 345"));
        QCOMPARE(otherLabel.text(), QString::number(m_ann) + " 99");
    }

    void aSlotWithoutJoinPinIsRefused()
    {
        RunnerSelector* picker = h->window().windows().runnerSelector();
        label.setText(QString());
        picker->build(m_central, &button, &label);
        picker->runnerList()->selectRow(0);
        picker->choose();
        QCOMPARE(label.text(), QString());
        QCOMPARE(button.text(), QString());
        QCOMPARE(Dialogs::messages().size(), 1);
    }

    void escapeCancelsAndTheTeamPickerTakesEnter()
    {
        RunnerSelector* runners = h->window().windows().runnerSelector();
        runners->build(m_central, &button, &label);
        ProgramWindows::present(runners);
        QTest::keyClick(runners->runnerList(), Qt::Key_Escape);
        QVERIFY(!runners->isVisible());
        TeamSelector* teams = h->window().windows().teamSelector();
        teams->build(&button);
        ProgramWindows::present(teams);
        teams->teamList()->selectRow(rowOf(teams->teamList(), m_north));
        QTest::keyClick(teams->teamList(), Qt::Key_Return);
        QVERIFY(!teams->isVisible());
        QCOMPARE(button.text(), QString::number(m_north) + " North");
        ProgramWindows::present(teams);
        QTest::keyClick(teams->teamList(), Qt::Key_Escape);
        QVERIFY(!teams->isVisible());
    }

    void choosingATeamWritesPinAndSchool()
    {
        TeamSelector* picker = h->window().windows().teamSelector();
        QCOMPARE(picker->windowTitle(), QStringLiteral("Team Selector"));
        picker->build(&button);
        ProgramWindows::present(picker);
        QCOMPARE(AppHarness::texts(picker->teamList()), QStringList({"Central", "North"}));
        // Closing without a choice changes nothing.
        picker->close();
        QCOMPARE(button.text(), QString());
        picker->build(&button);
        AppHarness::doubleClick(picker->teamList(), 0);
        QCOMPARE(button.text(), QString::number(m_central) + " Central");
        QVERIFY(!picker->isVisible());
    }
};

QTEST_MAIN(PickersTest)
#include "tst_pickers.moc"
