// Creating Print by its class identity, as a client does: through the registry and the
// library's entry points, never by linking the component.
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace pagora;

class ComponentIdentityTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        qputenv("COMPONENT_REGISTRY", m_dir.filePath("registry.ini").toLocal8Bit());
    }

    void registerCreateUnregister()
    {
        QString error;
        QVERIFY(!ComponentClient::createInstance(PrintProgId, PrintInterfaceId, &error));
        QVERIFY(error.contains("not registered"));

        QVERIFY2(ComponentClient::registerLibrary(PAGORA_LIBRARY, false, &error),
                 qPrintable(error));
        {
            QSettings registry(m_dir.filePath("registry.ini"), QSettings::IniFormat);
            QCOMPARE(registry.value(QStringLiteral("ProgID/Pagora.Print/CLSID")).toString(),
                     QString::fromLatin1(PrintClassId));
            QCOMPARE(registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(PrintClassId))
                         .toString(),
                     QStringLiteral(PAGORA_LIBRARY));
            QCOMPARE(registry.value(QStringLiteral("TypeLib/%1/Description").arg(TypeLibraryId))
                         .toString(),
                     QStringLiteral("Tessaly Print Preview Object"));
            QCOMPARE(registry.value(QStringLiteral("Interface/%1/Version").arg(PrintInterfaceId))
                         .toString(),
                     QStringLiteral("5.0"));
        }
        for (const char* identity : {PrintProgId, PrintClassId}) {
            auto* print = static_cast<_Print*>(ComponentClient::createInstance(
                QString::fromLatin1(identity), PrintInterfaceId, &error));
            QVERIFY2(print, qPrintable(error));
            QCOMPARE(print->MyFile(), QString());
            print->putMyFile(m_dir.filePath("missing.rtf"));
            QVERIFY(!print->ShowPreview().isValid());
            QCOMPARE(print->lastError().number, 53);
            print->Release();
        }
        QVERIFY(!ComponentClient::createInstance(PrintProgId,
                                                 "{00000000-0000-0000-0000-000000000000}", &error));

        QVERIFY(ComponentClient::registerLibrary(PAGORA_LIBRARY, true, &error));
        QVERIFY(!ComponentClient::createInstance(PrintProgId, PrintInterfaceId, &error));
        QVERIFY(error.contains("not registered"));
        QSettings registry(m_dir.filePath("registry.ini"), QSettings::IniFormat);
        QVERIFY(registry.allKeys().isEmpty());
    }

    void aClientRegistersTheLibraryBesideIt()
    {
        QString error;
        auto* print = static_cast<_Print*>(ComponentClient::createInstance(
            PrintProgId, PrintInterfaceId, &error, QStringLiteral(PAGORA_LIBRARY)));
        QVERIFY2(print, qPrintable(error));
        print->Release();
        ComponentClient::registerLibrary(PAGORA_LIBRARY, true, &error);
    }

    void theCommandSaysWhatWentWrong()
    {
        auto run = [](const QStringList& args, QString* err) {
            QProcess p;
            p.start(QStringLiteral(PAGORA_COMMAND), args);
            p.waitForFinished(60000);
            *err = QString::fromLocal8Bit(p.readAllStandardError());
            return p.exitCode();
        };
        QString err;
        QCOMPARE(run({"print", m_dir.filePath("missing.rtf")}, &err), 1);
        QVERIFY2(err.contains("missing.rtf") && err.contains("53"), qPrintable(err));
        QCOMPARE(run({"frobnicate"}, &err), 2);
        QVERIFY(err.contains("usage"));
        QCOMPARE(run({"register"}, &err), 0);
        QSettings registry(m_dir.filePath("registry.ini"), QSettings::IniFormat);
        QCOMPARE(registry.value(QStringLiteral("ProgID/Pagora.Print/CLSID")).toString(),
                 QString::fromLatin1(PrintClassId));
        QCOMPARE(run({"unregister"}, &err), 0);
    }

    // A script asks what the command does and which one it has, and gets an answer at once.
    void theCommandSaysItsHelpAndVersion()
    {
        QProcess p;
        p.start(QStringLiteral(PAGORA_COMMAND), {"--help"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString help = QString::fromLocal8Bit(p.readAllStandardOutput());
        for (const char* verb : {"register", "preview", "edit", "print", "pdf", "--version"})
            QVERIFY2(help.contains(QLatin1String("  ") + verb), verb);
        p.start(QStringLiteral(PAGORA_COMMAND), {"--version"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("pagora ") + FileVersion + '\n');
    }
};

QTEST_MAIN(ComponentIdentityTest)
#include "tst_component_identity.moc"
