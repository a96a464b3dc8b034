#pragma once

#include <QObject>
#include <functional>

class QMenuBar;

// The File menu: Load (Ctrl+O) opens another database, Import Roster... brings a roster file
// into a team, Export... writes results or a roster as CSV, Back Up... copies the database. The
// main window says what each does.
class FileMenu : public QObject
{
    Q_OBJECT
public:
    struct Actions
    {
        std::function<void()> load;
        std::function<void()> importRoster;
        std::function<void()> exportData;
        std::function<void()> backUp;
    };
    FileMenu(QMenuBar* bar, Actions actions);
};
