// Start-up, the first run and the settings round trip, on a real program folder.
#include "data/RecordSet.h"
#include "records/AppContext.h"
#include "shell/FirstRunForm.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

class StartupTest : public QObject
{
    Q_OBJECT

    QString setting(const TestProgramFolder& folder, const QString& key)
    {
        QSettings s(folder.settingsFile(), QSettings::IniFormat);
        return s.value(QStringLiteral("Settings/") + key).toString();
    }

private slots:
    void firstRunThenALaterRun()
    {
        TestProgramFolder folder;
        {
            AppContext app;
            MainWindow w(app);
            w.startUp();
            FirstRunForm* first = w.firstRunForm();
            QVERIFY(first);
            QVERIFY(first->isVisible());
            QCOMPARE(first->windowTitle(), QStringLiteral("Cindrel First Run"));
            QVERIFY(!w.isVisible());
            // The database waits for the school's name.
            QCOMPARE(app.databasePath(), QString());
            QVERIFY(QDir(folder.file("db")).entryList(QDir::Files | QDir::Hidden).isEmpty());

            QTest::keyClicks(first->nameBox(), "Pat Coach");
            QTest::keyClicks(first->schoolBox(), "North Valley High");
            QTest::mouseClick(first->findChild<QPushButton*>("submitButton"), Qt::LeftButton);
            QVERIFY(!first->isVisible());
            QVERIFY(w.isVisible());
            QCOMPARE(app.userName(), QStringLiteral("Pat Coach"));
            QCOMPARE(app.databasePath(), folder.file("db/NorthValleyHigh.mdb"));
            QVERIFY(app.connection().isOpen());
            QCOMPARE(w.statusText(), QStringLiteral("Pat Coach  -  North Valley High"));
            QCOMPARE(w.eventList()->count(), 17);
            QCOMPARE(w.schoolList()->count(), 0);
            // Nothing is written before the main window closes.
            QCOMPARE(setting(folder, "UserName"), QString());
            w.close();
        }
        QCOMPARE(setting(folder, "UserName"), QStringLiteral("Pat Coach"));
        QCOMPARE(setting(folder, "School"), QStringLiteral("North Valley High"));
        QCOMPARE(setting(folder, "Database"), folder.file("db/NorthValleyHigh.mdb"));

        AppContext app;
        MainWindow w(app);
        w.startUp();
        QVERIFY(!w.firstRunForm());
        QVERIFY(w.isVisible());
        QCOMPARE(app.databasePath(), folder.file("db/NorthValleyHigh.mdb"));
        QCOMPARE(w.statusText(), QStringLiteral("Pat Coach  -  North Valley High"));
        w.close();
    }

    void oneBoxFilledAsksAgainNextTime()
    {
        TestProgramFolder folder;
        {
            AppContext app;
            MainWindow w(app);
            w.startUp();
            QTest::keyClicks(w.firstRunForm()->nameBox(), "Pat");
            QTest::mouseClick(w.firstRunForm()->findChild<QPushButton*>("submitButton"),
                              Qt::LeftButton);
            QVERIFY(w.isVisible());
            QCOMPARE(app.userName(), QString());
            w.close();
        }
        AppContext app;
        MainWindow w(app);
        w.startUp();
        QVERIFY(w.firstRunForm());
        QVERIFY(w.firstRunForm()->isVisible());
        // Closing the first-run window does not strand the user without a main window.
        w.firstRunForm()->close();
        QVERIFY(w.isVisible());
        w.close();
    }

    void aNewDatabaseIsNamedAfterTheSchool()
    {
        TestProgramFolder folder;
        folder.writeSettings("Pat", "North Valley High", QString());
        AppContext app;
        MainWindow w(app);
        w.startUp();
        QCOMPARE(app.databasePath(), folder.file("db/NorthValleyHigh.mdb"));
        QVERIFY(app.connection().isOpen());
        QCOMPARE(w.statusText(), QStringLiteral("Pat  -  North Valley High"));
        w.close();
    }

    void anExistingDatabaseIsOpenedNotOverwritten()
    {
        TestProgramFolder folder;
        const QString existing = folder.copyOfBlank("db/NorthValleyHigh.mdb");
        {
            Connection c;
            c.open(Connection::connectionStringFor(existing));
            TrackFixture(c).addTeam("Central");
        }
        folder.writeSettings("Pat", "North Valley High", QString());
        AppContext app;
        MainWindow w(app);
        w.startUp();
        QCOMPARE(app.databasePath(), existing);
        QCOMPARE(w.schoolList()->count(), 1);
        QCOMPARE(w.schoolList()->item(0)->text(), QStringLiteral("Central"));
        w.close();
    }

    void aSchoolNameCannotLeaveTheDatabaseFolder()
    {
        TestProgramFolder folder;
        folder.writeSettings("Pat", "../../Up/Out", QString());
        AppContext app;
        MainWindow w(app);
        w.startUp();
        // Nor become a hidden file.
        QCOMPARE(app.databasePath(), folder.file("db/UpOut.mdb"));
        w.close();
    }

    void missingTemplateAndFolderAreHandled()
    {
        TestProgramFolder folder;
        folder.writeSettings("Pat", "Central", QString());
        QDir(folder.file("db")).removeRecursively();
        {
            AppContext app;
            MainWindow w(app);
            w.startUp();
            // A missing db folder is simply made.
            QVERIFY(QFileInfo::exists(folder.file("db/Central.mdb")));
            w.close();
        }
        folder.writeSettings("Pat", "North", QString());
        QFile::remove(folder.file("Blank.mdb"));
        AppContext app;
        MainWindow w(app);
        w.startUp();
        QVERIFY(w.isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains("Blank.mdb"));
        QVERIFY(Dialogs::messages().first().contains(folder.path()));
        QVERIFY(!app.connection().isOpen());
        w.close();
    }

    void aDatabaseThatCannotBeOpenedIsNamed()
    {
        TestProgramFolder folder;
        const QString broken = folder.file("db/Broken.mdb");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is no database");
        f.close();
        folder.writeSettings("Pat", "Central", broken);
        AppContext app;
        MainWindow w(app);
        w.startUp();
        QVERIFY(w.isVisible());
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains(broken));
        QCOMPARE(w.schoolList()->count(), 0);
        w.close();
        // The path stays what the user had: nothing is silently replaced.
        QCOMPARE(setting(folder, "Database"), broken);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
