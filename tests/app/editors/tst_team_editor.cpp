// The team editor against a real database.
#include "data/RecordSet.h"
#include "editors/ProgramWindows.h"
#include "editors/TeamEditor.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TeamEditorTest : public QObject
{
    Q_OBJECT

    qint64 m_central = 0, m_north = 0, m_meet = 0;
    std::unique_ptr<AppHarness> h;
    TeamEditor* editor = nullptr;

    QLineEdit* box(const char* name) { return editor->findChild<QLineEdit*>(name); }
    void press(const char* name)
    {
        QTest::mouseClick(editor->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void open(qint64 team)
    {
        h->window().windows().openTeamEditor(team);
        editor = h->window().windows().teamEditor();
        QVERIFY(editor->isVisible());
    }
    QString stored(const char* column)
    {
        RecordSet rs(QStringLiteral("SELECT * FROM Teams WHERE Pin=%1").arg(m_north), h->check());
        return rs.field(column).text();
    }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("Central", "Lee Park", "555-0100", "Comets");
            m_north = f.addTeam("New Team");
            f.addRunner("Diaz, Cy", m_north);
            m_meet = f.addMeet(m_north, "2026-04-11", m_north);
        });
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
    }

    void everyBoxStoresApostrophesAndSqlAsTyped()
    {
        open(m_north);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Team Information"));
        QCOMPARE(box("schoolLabel")->text(), QStringLiteral("New Team"));
        QCOMPARE(box("schoolLabel")->selectedText(), QStringLiteral("New Team"));
        QCOMPARE(box("coachLabel")->text(), QString());
        QCOMPARE(box("contactLabel")->accessibleName(), QStringLiteral("Contact #"));
        const QMap<QString, QString> typed{
            {"schoolLabel", "St. Mary's {JV} 100%"},
            {"coachLabel", "D'Angelo O'Neil"},
            {"contactLabel", "'; DROP TABLE Teams; --"},
            {"mascotLabel", "Rams' \"Horns\" \\o/"},
        };
        for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
            box(qPrintable(it.key()))->clear();
            QTest::keyClicks(box(qPrintable(it.key())), it.value());
        }
        press("updateButton");
        QCOMPARE(Dialogs::messages(), QStringList({"Team Updated Successfully."}));
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored("School"), typed["schoolLabel"]);
        QCOMPARE(stored("Coach"), typed["coachLabel"]);
        QCOMPARE(stored("ContactNo"), typed["contactLabel"]);
        QCOMPARE(stored("Mascot"), typed["mascotLabel"]);
        QCOMPARE(AppHarness::texts(h->window().schoolList()),
                 QStringList({"Central", "St. Mary's {JV} 100%"}));
    }

    void deleteRemovesTheTeamAndItsLinksOnly()
    {
        open(m_north);
        Dialogs::setNextAnswer(false);
        const QString before = h->dumpAll();
        press("deleteButton");
        QCOMPARE(Dialogs::questions(), QStringList({"Delete Team?"}));
        QCOMPARE(h->dumpAll(), before);

        Dialogs::setNextAnswer(true);
        press("deleteButton");
        QVERIFY(!editor->isVisible());
        const QString n = QString::number(m_north);
        QCOMPARE(h->count("SELECT count(*) FROM Teams WHERE Pin=" + n), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Runner_to_Team WHERE Team_Pin=" + n), 0);
        QCOMPARE(h->count("SELECT count(*) FROM Meet_to_Team WHERE Team_Pin=" + n), 0);
        // Runners, meets and their sheets stay.
        QCOMPARE(h->count("SELECT count(*) FROM Runners"), 1);
        QCOMPARE(h->count("SELECT count(*) FROM Event_to_Runner"), 42);
        QCOMPARE(AppHarness::texts(h->window().schoolList()), QStringList({"Central"}));
    }

    void closingUnloadsAndTheNextUseLoadsAgain()
    {
        open(m_central);
        box("coachLabel")->setText("typed, never saved");
        QPointer<TeamEditor> first = editor;
        editor->close();
        // Asked first; the answer when none is queued is No.
        QCOMPARE(Dialogs::questions(), QStringList({"Save the changes to this team?"}));
        QTRY_VERIFY(!first);
        open(m_central);
        QCOMPARE(box("coachLabel")->text(), QStringLiteral("Lee Park"));
    }

    void aTeamThatIsGoneIsNotShown()
    {
        h->check().execute("DELETE FROM Teams WHERE Pin=" + QString::number(m_central));
        h->window().windows().openTeamEditor(m_central);
        QVERIFY(!h->window().windows().teamEditor()->isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
    }
};

QTEST_MAIN(TeamEditorTest)
#include "tst_team_editor.moc"
