// A database of version 3, before meets had divisions, brought up to date: every report prints
// the bytes the program of version 3 printed from it (the files in v3/, made from
// v3/season.sql). On the test server the same season starts as a server database of version 3.
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SchemaVersion.h"
#include "records/AppContext.h"
#include "records/ReportRequest.h"
#include "reports/ReportText.h"
#include "reports/Reports.h"
#include "support/TestProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <QTest>

class OlderReportsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    AppContext m_app;

    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList statements(const QString& path)
    {
        return SchemaVersion::split(QString::fromUtf8(contents(path)));
    }

    // The season in a database of version 3; its address.
    QString olderDatabase()
    {
        const QString season = QStringLiteral(CINDREL_OLDER_SEASON "/season.sql");
        if (TestProgramFolder::onServer()) {
            const QString address = TestProgramFolder::emptyServerDatabase();
            Connection server;
            server.openServer(address);
            server.transaction([&] {
                for (const QString& sql :
                     statements(CINDREL_TEMPLATES "/server/Cindrel.sql") + statements(season))
                    server.execute(sql);
            });
            return address;
        }
        const QString path = m_folder->file("db/Older.mdb");
        QStringList script{"-bail", path, ".read " CINDREL_TEMPLATES "/Blank.sql"};
        for (int step = 1; step <= 3; ++step)
            script << QStringLiteral(".read ") + CINDREL_TEMPLATES "/migrations/" +
                          QDir(CINDREL_TEMPLATES "/migrations")
                              .entryList({QString::number(step) + "-*.sql"})
                              .value(0);
        script << "PRAGMA user_version = 3"
               << ".read " + season;
        QProcess sqlite;
        sqlite.start("sqlite3", script);
        if (!sqlite.waitForFinished() || sqlite.exitCode() != 0)
            qFatal("cannot make the older file: %s", sqlite.readAllStandardError().constData());
        return path;
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_app.setUserName("Pat Coach");
        m_app.setSchool("Central");
        m_app.connection().open(Connection::connectionStringFor(olderDatabase()));
        QCOMPARE(SchemaVersion::of(m_app.connection()), SchemaVersion::current());
        // Every meet became one unnamed division, which holds all of its events.
        QCOMPARE(RecordSet("SELECT count(*) AS n FROM Divisions WHERE Name = '' AND Gender = ''",
                           m_app.connection())
                     .field("n")
                     .toInt(),
                 2);
        QCOMPARE(RecordSet("SELECT count(*) AS n FROM Events WHERE Division_Pin NOT IN (SELECT "
                           "Pin FROM Divisions)",
                           m_app.connection())
                     .field("n")
                     .toInt(),
                 0);
    }
    void cleanupTestCase()
    {
        m_app.connection().close();
        m_folder.reset();
    }

    void everyReportPrintsAsBefore_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("pin");
        QTest::addColumn<qint64>("team");
        QTest::addColumn<bool>("best");
        using K = ReportRequest::Kind;
        QTest::newRow("runner1") << int(K::Runner) << qint64(1) << qint64(0) << false;
        QTest::newRow("runner3") << int(K::Runner) << qint64(3) << qint64(0) << false;
        QTest::newRow("team") << int(K::Team) << qint64(1) << qint64(0) << false;
        QTest::newRow("meet1") << int(K::Meet) << qint64(1) << qint64(0) << false;
        QTest::newRow("meet2") << int(K::Meet) << qint64(2) << qint64(0) << false;
        QTest::newRow("event1") << int(K::Event) << qint64(1) << qint64(1) << false;
        QTest::newRow("event9") << int(K::Event) << qint64(9) << qint64(1) << false;
        QTest::newRow("event14best") << int(K::Event) << qint64(14) << qint64(1) << true;
        QTest::newRow("records") << int(K::Records) << qint64(1) << qint64(0) << false;
    }
    void everyReportPrintsAsBefore()
    {
        QFETCH(int, kind);
        QFETCH(qint64, pin);
        QFETCH(qint64, team);
        QFETCH(bool, best);
        const ReportRequest request{ReportRequest::Kind(kind), pin, team, best};
        const QString out = m_folder->file(QString(QTest::currentDataTag()) + ".rtf");
        ReportText::writeReportFile(Reports::build(m_app, request).document(), out);
        const QByteArray printed = contents(out);
        const QByteArray before =
            contents(CINDREL_OLDER_SEASON "/" + QString(QTest::currentDataTag()) + ".rtf");
        QVERIFY(!before.isEmpty());
        if (printed != before)
            qInfo().noquote() << "Printed now:\n" << printed;
        QCOMPARE(printed, before);
    }
};

QTEST_MAIN(OlderReportsTest)
#include "tst_older_reports.moc"
