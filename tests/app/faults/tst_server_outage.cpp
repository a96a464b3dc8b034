// The staff's server goes away while the program runs: what the coach typed stays, a save
// applies whole or not at all and says which, and the program carries on once the server is
// back, without a restart. The test runs a server of its own, which it stops and kills.
#include "data/RecordSet.h"
#include "data/ServerAddress.h"
#include "data/ServerLink.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "shell/ServerConnectWindow.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ServerOutageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_server{QDir::tempPath() + QStringLiteral("/cindrel-outage-XXXXXX")};
    std::unique_ptr<AppHarness> h;
    MeetEditor* editor = nullptr;
    qint64 m_meet = 0;
    QString m_before;

    QString server(const char* action)
    {
        QProcess p;
        p.start(QStringLiteral("bash"), {QStringLiteral(CINDREL_SCRIPTS "/test-postgres"),
                                         QLatin1String(action), m_server.path()});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qFatal("test-postgres %s failed: %s", action, p.readAllStandardError().constData());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QLineEdit* box(const QString& name) { return AppHarness::control<QLineEdit>(editor, name); }
    QString status()
    {
        return AppHarness::control<QLabel>(&h->window(), QStringLiteral("statusDatabase"))->text();
    }
    void pressSave() { AppHarness::press(editor, QStringLiteral("updateButton")); }
    QString results() { return h->dump(QStringLiteral("Event_to_Runner")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isValid());
        // What was committed must outlive a kill; one connection goes over TCP, encrypted.
        qputenv("DURABLE", "1");
        qputenv("TLS", "1");
        for (const QString& line : server("start").split(QLatin1Char('\n')))
            qputenv(line.section(QLatin1Char('='), 0, 0).toUtf8(),
                    line.section(QLatin1Char('='), 1).toUtf8());
        QVERIFY(ServerAddress::parse(qEnvironmentVariable("CINDREL_TEST_SERVER")));
        Dialogs::setAnswering(true);
    }
    void cleanupTestCase() { server("stop"); }

    void init()
    {
        h = std::make_unique<AppHarness>(
            [this](TrackFixture& f) {
                const qint64 team = f.addTeam("Central");
                const qint64 ann = f.addRunner("Adams, Ann", team);
                m_meet = f.addMeet(team, "2026-04-11");
                f.fillSlot(f.slotPins(m_meet, 1)[0], ann, 0, 12.1, 1, 10);
            },
            true);
        h->window().windows().openMeetEditor(m_meet);
        editor = h->window().windows().meetEditor();
        QVERIFY(editor->isVisible());
        m_before = results();
        Dialogs::clear();
    }
    void cleanup()
    {
        editor = nullptr;
        h.reset();
        server("start");
    }

    void aSaveWhileTheServerIsDownKeepsTheSheetAndWorksOnceItIsBack()
    {
        AppHarness::typeOver(box(QStringLiteral("measure2Box_0")), QStringLiteral("11.9"));
        server("stop");
        Dialogs::setNextAnswer(false);
        pressSave();
        QCOMPARE(Dialogs::messages(), QStringList());
        QCOMPARE(Dialogs::questions(),
                 QStringList(QStringLiteral("The server could not be reached; nothing of this "
                                            "meet was saved. Try again?")));
        QVERIFY(editor->isVisible());
        QCOMPARE(box(QStringLiteral("measure2Box_0"))->text(), QStringLiteral("11.9"));
        QVERIFY(status().endsWith(QLatin1String("(the server cannot be reached)")));

        server("start");
        // Right after a try that failed, the program does not try again at once.
        QTest::qWait(ServerLink::RetryPauseMs + 100);
        Dialogs::clear();
        pressSave();
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));
        QVERIFY(!editor->isVisible());
        QVERIFY(!status().contains(QLatin1String("cannot be reached")));
        QString expected = m_before;
        expected.replace(QLatin1String("|12.1|0|12.1|"), QLatin1String("|11.9|0|11.9|"));
        QVERIFY(expected != m_before);
        QCOMPARE(results(), expected);
    }

    // Over the network the connection is encrypted when the address asks for it, checked
    // against the certificate the test made; and File, Connect to Server asks for it with its
    // check box.
    void aConnectionCanBeEncrypted()
    {
        ServerAddress address = *ServerAddress::parse(qEnvironmentVariable("CINDREL_TEST_SERVER"));
        address.host = QStringLiteral("localhost");
        address.sslMode = QStringLiteral("verify-full");
        address.sslRootCert = m_server.filePath(QStringLiteral("server.crt"));
        QCOMPARE(ServerAddress::parse(address.text())->text(), address.text());
        auto encrypted = [](const QString& text) {
            Connection db;
            db.openServer(text);
            return RecordSet(QStringLiteral("SELECT CASE WHEN ssl THEN 1 ELSE 0 END AS ssl FROM "
                                            "pg_stat_ssl WHERE pid = pg_backend_pid()"),
                             db)
                       .field(QStringLiteral("ssl"))
                       .toInt() == 1;
        };
        QVERIFY(encrypted(address.text()));

        ServerConnectWindow window(nullptr, [&](const QString& text) {
            address = *ServerAddress::parse(text);
            return encrypted(text);
        });
        window.build({});
        const QByteArray port = qgetenv("CINDREL_TEST_SERVER_PORT");
        for (const auto& [box, text] : {std::pair{"serverHost", "localhost"},
                                        {"serverDatabase", "postgres"},
                                        {"serverUser", "postgres"},
                                        {"serverPort", port.constData()}})
            AppHarness::typeOver(AppHarness::control<QLineEdit>(&window, box), text);
        AppHarness::control<QCheckBox>(&window, QStringLiteral("serverEncrypted"))
            ->setChecked(true);
        QVERIFY2(window.connectToServer(), qPrintable(Dialogs::messages().join('\n')));
        QCOMPARE(address.sslMode, QStringLiteral("require"));
    }

    // The server dies at one statement of the save or another: the database holds the old
    // sheet, and a yes to "Try again?" once it is back saves the new one whole.
    void aServerKilledDuringASaveLeavesTheOldSheetOrTheNew_data()
    {
        QTest::addColumn<int>("statement");
        for (int k : {1, 2, 3, 4, 6})
            QTest::addRow("statement %d", k) << k;
    }
    void aServerKilledDuringASaveLeavesTheOldSheetOrTheNew()
    {
        QFETCH(int, statement);
        AppHarness::typeOver(box(QStringLiteral("measure2Box_0")), QStringLiteral("11.9"));
        AppHarness::typeOver(box(QStringLiteral("weatherBox")), QStringLiteral("Rain"));
        int sent = 0;
        h->app().connection().setStatementObserver([&](const QString&) {
            if (++sent == statement)
                server("kill");
        });
        Dialogs::setNextAnswer(false);
        pressSave();
        h->app().connection().setStatementObserver({});
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));
        QCOMPARE(Dialogs::questions().size(), 1);
        QVERIFY(editor->isVisible());
        server("start");
        QCOMPARE(results(), m_before);

        Dialogs::clear();
        pressSave();
        QVERIFY2(Dialogs::messages().isEmpty(), qPrintable(Dialogs::messages().join('\n')));
        QVERIFY(results() != m_before);
        QCOMPARE(h->count(QStringLiteral("SELECT count(*) FROM Meets WHERE Weather = 'Rain'")), 1);
    }
};

QTEST_MAIN(ServerOutageTest)
#include "tst_server_outage.moc"
