// Every action that writes, on a database file that cannot be written (read-only) or that
// another program holds locked: a message that says so, nothing half written, and the
// editor left open with what the coach typed.
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <functional>

class WriteFailuresTest : public QObject
{
    Q_OBJECT

    enum Fault
    {
        ReadOnly,
        Locked
    };
    struct Action
    {
        const char* name;
        // Does the action; returns the window that must stay open with its text, if any.
        std::function<QWidget*(AppHarness&)> run;
    };

    qint64 m_central = 0, m_ann = 0, m_meet = 0;
    bool m_immutable = false;

    static void press(QWidget* parent, const char* name)
    {
        QTest::mouseClick(parent->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    static QLineEdit* box(QWidget* parent, const char* name)
    {
        return parent->findChild<QLineEdit*>(name);
    }
    static bool chattr(const QString& flag, const QString& path)
    {
        return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
    }

    QList<Action> actions()
    {
        return {
            {"team save",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openTeamEditor(m_central);
                 TeamEditor* e = h.window().windows().teamEditor();
                 box(e, "coachLabel")->setText("New Coach");
                 press(e, "updateButton");
                 return e;
             }},
            {"team delete",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openTeamEditor(m_central);
                 Dialogs::setNextAnswer(true);
                 press(h.window().windows().teamEditor(), "deleteButton");
                 return h.window().windows().teamEditor();
             }},
            {"runner save",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openRunnerEditor(m_ann);
                 RunnerEditor* e = h.window().windows().runnerEditor();
                 box(e, "phoneLabel")->setText("555-9999");
                 press(e, "updateButton");
                 return e;
             }},
            {"runner delete",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openRunnerEditor(m_ann);
                 Dialogs::setNextAnswer(true);
                 press(h.window().windows().runnerEditor(), "deleteButton");
                 return h.window().windows().runnerEditor();
             }},
            {"meet save",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openMeetEditor(m_meet);
                 MeetEditor* e = h.window().windows().meetEditor();
                 box(e, "measure2Box_0")->setText("10.99");
                 box(e, "weatherBox")->setText("Hail");
                 press(e, "updateButton");
                 return e;
             }},
            {"meet delete",
             [this](AppHarness& h) -> QWidget* {
                 h.window().windows().openMeetEditor(m_meet);
                 Dialogs::setNextAnswer(true);
                 press(h.window().windows().meetEditor(), "deleteButton");
                 return h.window().windows().meetEditor();
             }},
            {"add team",
             [](AppHarness& h) -> QWidget* {
                 press(&h.window(), "teamAdd");
                 return nullptr;
             }},
            {"add runner",
             [](AppHarness& h) -> QWidget* {
                 AppHarness::click(h.window().schoolList(), 0);
                 press(&h.window(), "runnerAdd");
                 return nullptr;
             }},
            {"add meet",
             [](AppHarness& h) -> QWidget* {
                 AppHarness::click(h.window().schoolList(), 0);
                 press(&h.window(), "meetAdd");
                 return nullptr;
             }},
        };
    }

    void fill(TrackFixture& f)
    {
        m_central = f.addTeam("Central");
        f.addTeam("North");
        m_ann = f.addRunner("Adams, Ann", m_central, "555-0101");
        m_meet = f.addMeet(m_central, "2026-04-11");
        f.fillSlot(f.slotPins(m_meet, 1)[0], m_ann, 0, 11.42, 1, 10);
    }

    void runAll(Fault fault)
    {
        for (const Action& action : actions()) {
            const QByteArray name = action.name;
            AppHarness h([this, fault](TrackFixture& f) {
                fill(f);
                if (fault == ReadOnly) {
                    // Read-only for the program from its start, as a write-protected copy is;
                    // root ignores the mode bits, not the immutable flag.
                    const QString path = f.connection().path();
                    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
                    m_immutable = chattr("+i", path);
                }
            });
            const QString path = h.databasePath();
            auto release = qScopeGuard([&] {
                if (m_immutable)
                    chattr("-i", path);
                m_immutable = false;
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            });
            // Where the file system has no immutable flag and root may write anyway, the engine
            // itself refuses writes, with the same error a read-only file gives.
            if (fault == ReadOnly && !m_immutable && QFile(path).open(QIODevice::ReadWrite))
                h.app().connection().execute(QStringLiteral("PRAGMA query_only = ON"));
            // Another program in the middle of its own change: it may be read, not written.
            if (fault == Locked)
                h.check().execute(QStringLiteral("BEGIN IMMEDIATE"));
            const QString before = h.dumpAll();
            Dialogs::clear();
            QWidget* editor = action.run(h);
            if (fault == Locked)
                h.check().execute(QStringLiteral("ROLLBACK"));
            QCOMPARE(h.dumpAll(), before);
            QVERIFY2(Dialogs::messages().size() == 1,
                     qPrintable(name + ": " + Dialogs::messages().join(" | ")));
            const QString message = Dialogs::messages().first();
            const QString expected = fault == Locked ? QStringLiteral("in use by another program")
                                                     : QStringLiteral("cannot be changed");
            QVERIFY2(message.contains(expected), qPrintable(name + ": " + message));
            QVERIFY2(message.contains("nothing was"), qPrintable(name + ": " + message));
            if (editor)
                QVERIFY2(editor->isVisible(), name);
        }
    }

private slots:
    void aReadOnlyDatabase() { runAll(ReadOnly); }
    void aDatabaseLockedByAnotherProgram() { runAll(Locked); }
};

QTEST_MAIN(WriteFailuresTest)
#include "tst_write_failures.moc"
