#include "records/AppContext.h"
#include "shell/AboutWindow.h"
#include "shell/MainWindow.h"
#include "shell/ReportCommand.h"
#include "shell/ServerCommand.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (ReportCommand::wanted(argc, argv))
        return ReportCommand::run(argc, argv);
    if (ServerCommand::wanted(argc, argv))
        return ServerCommand::run(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cindrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(AboutWindow::applicationIcon());

    AppContext app;
    MainWindow mainWindow(app);
    mainWindow.startUp();
    return QApplication::exec();
}
