// File › Import Results on the real windows: the file's athletes with their choices, the
// preview that follows them, a replacement asked about, and an import that writes once.
#include "editors/ProgramWindows.h"
#include "editors/ResultsImportWindow.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const char* const kListing = "Central Invitational - 4/11/2026\n"
                             "Girls 100 Meter Dash\n"
                             "  1 Adams, Ann        11 Central High    12.41  +1.8  10\n"
                             "  2 Jo Kim            10 Central High    12.60  +1.8   8\n"
                             "  3 Zed, Quincy       10 Central High    12.70  +1.8   6\n"
                             "  4 Far, Away         12 North           12.80  +1.8   4\n";

} // namespace

class ResultsWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppHarness> h;
    qint64 m_team = 0, m_meet = 0, m_ann = 0;

    ResultsImportWindow* window() { return h->window().windows().resultsImport(); }
    QStringList preview()
    {
        auto* list = AppHarness::control<QListWidget>(window(), "resultsPreview");
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    QComboBox* choice(int athlete)
    {
        return AppHarness::control<QComboBox>(window(),
                                              QStringLiteral("resultsChoice_%1").arg(athlete));
    }

private slots:
    void init()
    {
        Dialogs::setAnswering(true);
        Dialogs::clear();
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_team = f.addTeam("Central High");
            f.addTeam("North");
            m_ann = f.addRunner("Adams, Ann", m_team);
            f.addRunner("Kim, Jo", m_team);
            f.addRunner("Kim, Joan", m_team);
            m_meet = f.addMeet(m_team, "2026-04-11");
        });
        AppHarness::click(h->window().schoolList(), 0);
        AppHarness::click(h->window().meetList(), 0);
    }
    void cleanup() { h.reset(); }

    void athletesChosenThenImportedOnce()
    {
        h->window().findChild<QAction*>("importResults")->trigger();
        QVERIFY(window()->isVisible());
        QCOMPARE(
            AppHarness::control<QComboBox>(window(), "resultsMeet")->currentData().toLongLong(),
            m_meet);
        window()->openBytes(kListing, "results.txt");
        QCOMPARE(AppHarness::control<QComboBox>(window(), "resultsSchool")->currentText(),
                 QStringLiteral("Central High"));
        // Ann matches; "Jo Kim" is Jo, not Joan; Quincy is not on the roster and is added.
        QCOMPARE(choice(0)->currentText(), QStringLiteral("Match: Adams, Ann"));
        QCOMPARE(choice(1)->currentText(), QStringLiteral("Match: Kim, Jo"));
        QCOMPARE(choice(2)->currentText(), QStringLiteral("Add to the roster, grade 10"));
        QCOMPARE(preview().size(), 3);
        // Skipped, Quincy's result goes.
        choice(2)->setCurrentIndex(choice(2)->findText("Skip"));
        QCOMPARE(preview(), QStringList({"100 Meter Dash, first entry: Adams, Ann: place 1, 10 "
                                         "points, 12.41 +1.8 (line 3)",
                                         "100 Meter Dash, second entry: Kim, Jo: place 2, 8 "
                                         "points, 12.6 +1.8 (line 4)",
                                         "Not written: Zed, Quincy is skipped (line 5)"}));
        AppHarness::press(window(), "resultsImport");
        QVERIFY(!window()->isVisible());
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Events_View WHERE Meet_Pin = %1 "
                                         "AND Runner_Pin <> 0")
                              .arg(m_meet)),
                 2);
        QCOMPARE(h->count("SELECT count(*) FROM Runners"), 3);

        // Again: nothing to write. A mark typed since is asked about before it is replaced.
        AppHarness::click(h->window().meetList(), 0);
        h->window().findChild<QAction*>("importResults")->trigger();
        window()->openBytes(kListing, "results.txt");
        choice(2)->setCurrentIndex(choice(2)->findText("Skip"));
        QVERIFY(!AppHarness::control<QPushButton>(window(), "resultsImport")->isEnabled());
        h->check().execute(QStringLiteral("UPDATE Event_to_Runner SET Seconds = 12.38, Inches = "
                                          "12.38 WHERE Runner_Pin = %1")
                               .arg(m_ann));
        window()->build(m_team, m_meet);
        window()->openBytes(kListing, "results.txt");
        choice(2)->setCurrentIndex(choice(2)->findText("Skip"));
        QVERIFY(preview().first().endsWith("; replaces place 1, 10 points, 12.38 +1.8"));
        Dialogs::setNextAnswer(false);
        QVERIFY(!window()->import());
        QVERIFY(Dialogs::questions().last().startsWith("1 results of the file replace"));
        QCOMPARE(h->count("SELECT count(*) FROM Event_to_Runner WHERE Seconds = 12.38"), 1);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_results_window.moc"
