#include "records/AppContext.h"
#include "shell/AboutWindow.h"
#include "shell/CommandLine.h"
#include "shell/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> done = CommandLine::run(argc, argv))
        return *done;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cindrel"));
    QApplication::setApplicationVersion(QString::fromLatin1(CommandLine::version()));
    QApplication::setWindowIcon(AboutWindow::applicationIcon());

    AppContext app;
    MainWindow mainWindow(app);
    mainWindow.startUp();
    return QApplication::exec();
}
