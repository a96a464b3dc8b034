#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of the test's own, laid out as the build lays out the real one
// (Blank.mdb and an empty db folder), with its own settings file. Dialogs are answered
// by the test. Everything is removed when the object goes.
class TestProgramFolder
{
public:
    TestProgramFolder();
    ~TestProgramFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;
    QString settingsFile() const;
    // A fresh copy of the shipped empty database, under the given name in this folder.
    QString copyOfBlank(const QString& name) const;
    // The empty track database a test works on: such a copy, or, when the tests run against
    // the server (CINDREL_TEST_ENGINE=server), a new database on the test server, by address.
    QString trackDatabase(const QString& name) const;
    // A new track database on the test server, by address.
    static QString serverTrackDatabase();
    // A new, empty database on the test server, by address.
    static QString emptyServerDatabase();
    static bool onServer();
    void writeSettings(const QString& userName, const QString& school,
                       const QString& database) const;

    static QString blankDatabase();

private:
    QTemporaryDir m_dir;
};
