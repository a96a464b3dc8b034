#pragma once

#include "data/Connection.h"
#include "records/AppContext.h"
#include "shell/MainWindow.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <functional>
#include <memory>

class QLineEdit;
class QListWidgetItem;
class KeyedList;

// The program started as a user starts it, on a database that a test filled first:
// a program folder of its own, settings naming the database, the main window up.
class AppHarness
{
public:
    // On a database file, or with `onServer` on a new database on the test server.
    explicit AppHarness(const std::function<void(TrackFixture&)>& fill = {}, bool onServer = false);
    ~AppHarness();

    MainWindow& window() { return *m_window; }
    AppContext& app() { return *m_app; }
    TestProgramFolder& folder() { return m_folder; }
    QString databasePath() const { return m_path; }

    // A second connection to the same file, for checking what reached the database.
    Connection& check() { return m_check; }
    TrackFixture& data() { return m_data; }
    qint64 count(const QString& sql) { return m_data.count(sql); }
    // A whole table's rows as text, for "nothing changed" comparisons.
    QString dump(const QString& table);
    QString dumpAll();

    // A window's control by its name; a missing one ends the test run.
    template <class W = QWidget> static W* control(QWidget* parent, const QString& name)
    {
        W* c = parent->findChild<W*>(name);
        if (!c)
            qFatal("no control %s in %s", qPrintable(name), qPrintable(parent->objectName()));
        return c;
    }
    static void press(QWidget* parent, const QString& button);
    // Types over a box's text as the coach does: everything selected, then typed. The test
    // driver types ASCII only, and 10,000 keystrokes take long: other text is pasted.
    static void typeOver(QLineEdit* box, const QString& text);

    static void click(KeyedList* list, int row);
    static void doubleClick(KeyedList* list, int row);
    static QStringList texts(const KeyedList* list);

private:
    TestProgramFolder m_folder;
    QString m_path;
    Connection m_check;
    TrackFixture m_data{m_check};
    std::unique_ptr<AppContext> m_app;
    std::unique_ptr<MainWindow> m_window;
};
