// cindrel --report: the program itself, run as a script would, writes each report as a PDF
// without a window or a printer, and says what went wrong otherwise, writing nothing.
#include "data/Connection.h"
#include "support/PdfText.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

class ReportCommandTest : public QObject
{
    Q_OBJECT

    TestProgramFolder folder;
    QString m_database;
    qint64 m_team = 0, m_runner = 0, m_meet = 0, m_division = 0;

    struct Run
    {
        int code;
        QString error, output;
    };
    // Runs the program with settings of the folder's own.
    Run cindrel(const QStringList& arguments)
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.file(QStringLiteral("config")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(CINDREL_PROGRAM), arguments);
        if (!program.waitForFinished(60000))
            return {-1, QStringLiteral("did not finish"), {}};
        return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError()),
                QString::fromUtf8(program.readAllStandardOutput())};
    }

private slots:
    void initTestCase()
    {
        m_database = folder.copyOfBlank(QStringLiteral("Track.mdb"));
        Connection db;
        db.open(Connection::connectionStringFor(m_database));
        TrackFixture f(db);
        m_team = f.addTeam(QStringLiteral("Central"), QStringLiteral("Pat Coach"));
        m_runner = f.addRunner(QStringLiteral("Adams, Ann"), m_team);
        m_meet = f.addMeet(m_team, QStringLiteral("2026-04-11"), 0, QStringLiteral("Riverside"));
        f.fillSlot(f.slotPins(m_meet, 1).first(), m_runner, 0, 12.41, 1, 10);
        m_division =
            f.count(QStringLiteral("SELECT Pin FROM Divisions WHERE Meet_Pin = %1").arg(m_meet));
        // The program's own settings name the database it last had open, and the coach.
        QSettings s(folder.file(QStringLiteral("config/Cindrel/Cindrel.conf")),
                    QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/UserName"), QStringLiteral("Pat Coach"));
        s.setValue(QStringLiteral("Settings/Database"), m_database);
    }

    void writesEachReport_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString team = QString::number(m_team);
        QTest::newRow("runner") << QStringList{"runner", "--pin", QString::number(m_runner)}
                                << "Adams, Ann";
        QTest::newRow("team") << QStringList{"team", "--pin", team} << "Central";
        QTest::newRow("meet") << QStringList{"meet", "--pin", QString::number(m_meet)}
                              << "Riverside";
        QTest::newRow("event, best, season")
            << QStringList{"event", "--pin", "1", "--team", team, "--best", "--season", "2026"}
            << "12.41";
        QTest::newRow("records") << QStringList{"records", "--pin", team} << "12.41";
        QTest::newRow("girls' records")
            << QStringList{"records", "--pin", team, "--gender", "f"} << "Girls";
        QTest::newRow("top ten") << QStringList{"top", "--pin", team} << "1. 12.41";
        QTest::newRow("season leaders")
            << QStringList{"leaders", "--pin", team, "--season", "2026"} << "Season Leaders 2026";
    }
    void writesEachReport()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const QString pdf = folder.file(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        // Without --database, the one the program last had open.
        const auto [code, error, output] =
            cindrel(QStringList{"--report"} + arguments + QStringList{"--pdf", pdf});
        QVERIFY2(code == 0, qPrintable(error));
        const PdfText printed(pdf);
        QVERIFY(printed.isValid());
        QVERIFY2(printed.text().contains(expected), qPrintable(printed.text()));
        QVERIFY(printed.text().contains(QStringLiteral("Pat Coach")));
    }

    void refusesAndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such runner") << QStringList{"--report", "runner", "--pin", "999"} << 1
                                        << "There is no runner with Pin 999.";
        QTest::newRow("no such team for the event")
            << QStringList{"--report", "event", "--pin", "1", "--team", "999"} << 1
            << "There is no team with Pin 999.";
        QTest::newRow("missing database")
            << QStringList{"--report", "team", "--pin", "1", "--database", "/nowhere/x.mdb"} << 1
            << "does not exist";
        QTest::newRow("unknown kind")
            << QStringList{"--report", "coach", "--pin", "1"} << 2 << "usage:";
        QTest::newRow("pin not a number")
            << QStringList{"--report", "team", "--pin", "1x"} << 2 << "usage:";
        QTest::newRow("event without team")
            << QStringList{"--report", "event", "--pin", "1"} << 2 << "usage:";
        QTest::newRow("gender of a runner report")
            << QStringList{"--report", "runner", "--pin", "1", "--gender", "F"} << 2 << "usage:";
        QTest::newRow("gender neither")
            << QStringList{"--report", "records", "--pin", "1", "--gender", "X"} << 2 << "usage:";
    }
    // The team's website: written whole, or not at all with the reason.
    void publishesTheSite()
    {
        const QString site = folder.file(QStringLiteral("site"));
        const struct
        {
            QStringList arguments;
            int code;
            const char* said;
        } runs[] = {{{"--publish", site, "--team", "999"}, 1, "There is no team 999"},
                    {{"--publish", site}, 2, "usage: cindrel --publish"},
                    {{"--publish", site, "--team", QString::number(m_team), "--season", "x"},
                     2,
                     "usage:"},
                    {{"--publish", site, "--team", QString::number(m_team)}, 0, "Published"}};
        for (const auto& run : runs) {
            const auto [code, error, output] = cindrel(run.arguments);
            QCOMPARE(code, run.code);
            QVERIFY2((error + output).contains(QLatin1String(run.said)), qPrintable(error));
            QCOMPARE(QFile::exists(site + QStringLiteral("/index.html")), run.code == 0);
        }
        QVERIFY(QFile::exists(site + QStringLiteral("/athletes/ann-adams-") +
                              QString::number(m_runner) + QStringLiteral(".html")));
    }

    void refusesAndWritesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        const QString pdf = folder.file(QStringLiteral("refused.pdf"));
        const auto [exit, error, output] = cindrel(arguments + QStringList{"--pdf", pdf});
        QCOMPARE(exit, code);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(!QFile::exists(pdf));
    }

    void listsThePinsTheReportsTake()
    {
        const Run run = cindrel({"--list", "runners", "--team", QString::number(m_team)});
        QCOMPARE(run.output, QStringLiteral("%1\tAdams, Ann\n").arg(m_runner));
        QCOMPARE(cindrel({"--list", "runners"}).code, 2);
        QCOMPARE(cindrel({"--list", "divisions", "--meet", QString::number(m_meet)}).output,
                 QStringLiteral("%1\tDivision 1 (Mixed)\n").arg(m_division));
        QCOMPARE(cindrel({"--list", "divisions"}).code, 2);
        QCOMPARE(cindrel({"--list", "divisions", "--meet", "999"}).code, 1);
    }

    // A script never waits on a window it did not ask for.
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("said");
        const QStringList usage{"usage: cindrel"};
        QTest::newRow("unknown option") << QStringList{"--no-such-option"} << 2 << usage;
        QTest::newRow("misspelt") << QStringList{"--reprot", "team", "--pin", "1"} << 2 << usage;
        QTest::newRow("a file alone") << QStringList{"Track.mdb"} << 2 << usage;
        QTest::newRow("a Qt option's value missing") << QStringList{"-style"} << 2 << usage;
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << QStringList{"  --report", "  --list", "  --create-server-database",
                                             "  --copy-to-server", "  --version"};
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringList{QStringLiteral("cindrel " CINDREL_VERSION "\n")};
    }
    void answersWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QStringList, said);
        const Run run = cindrel(arguments);
        QCOMPARE(run.code, code);
        const QString text = code == 0 ? run.output : run.error;
        QCOMPARE((code == 0 ? run.error : run.output), QString());
        for (const QString& line : said)
            QVERIFY2(text.contains(line), qPrintable(text));
    }

    void aFolderThatCannotBeWrittenIsSaid()
    {
        const QString pdf = folder.file(QStringLiteral("missing/report.pdf"));
        const auto [exit, error, output] =
            cindrel({"--report", "team", "--pin", QString::number(m_team), "--pdf", pdf});
        QCOMPARE(exit, 1);
        QVERIFY2(error.contains(QStringLiteral("error 75")), qPrintable(error));
    }
};

QTEST_MAIN(ReportCommandTest)
#include "tst_report_command.moc"
