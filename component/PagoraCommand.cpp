// pagora: the component from the command line.
//   pagora register | unregister
//   pagora preview FILE | edit FILE | print FILE | pdf FILE [OUT.pdf]
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "pagora: %s\n", qPrintable(message));
    return 1;
}

// Beside the document, under its name, unless the caller names the file.
QString pdfPath(const QStringList& args)
{
    if (args.size() == 4)
        return args.at(3);
    const QFileInfo document(args.at(2));
    return document.absolutePath() + QLatin1Char('/') + document.completeBaseName() +
           QStringLiteral(".pdf");
}

} // namespace

int main(int argc, char* argv[])
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool toPaper = command == QLatin1String("print") || command == QLatin1String("pdf");
    const bool windows =
        command == QLatin1String("preview") || command == QLatin1String("edit") || toPaper;
    // Printing from a script needs no screen.
    if (toPaper && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (windows)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pagora"));
    const QStringList args = QCoreApplication::arguments();
    const QString library =
        QCoreApplication::applicationDirPath() + QStringLiteral("/libpagora.so");

    if (command == QLatin1String("register") || command == QLatin1String("unregister")) {
        QString error;
        if (!pagora::ComponentClient::registerLibrary(
                library, command == QLatin1String("unregister"), &error))
            return fail(error);
        return 0;
    }
    const QStringList verbs{QStringLiteral("preview"), QStringLiteral("edit"),
                            QStringLiteral("print"), QStringLiteral("pdf")};
    const bool pdf = command == QLatin1String("pdf");
    if (!verbs.contains(command) || args.size() < 3 || args.size() > (pdf ? 4 : 3)) {
        std::fprintf(stderr, "usage: pagora register | unregister | preview FILE | edit FILE | "
                             "print FILE | pdf FILE [OUT.pdf]\n");
        return 2;
    }

    QString error;
    auto* print = static_cast<pagora::_Print*>(pagora::ComponentClient::createInstance(
        QString::fromLatin1(pagora::PrintProgId), pagora::PrintInterfaceId, &error, library));
    if (!print)
        return fail(error);
    print->putMyFile(QFileInfo(args.at(2)).absoluteFilePath());
    if (command == QLatin1String("preview"))
        print->ShowPreview();
    else if (command == QLatin1String("edit"))
        print->EditFilefile();
    else if (pdf)
        print->SavePdf(pdfPath(args));
    else
        print->Send2Print();
    const pagora::PrintError result = print->lastError();
    print->Release();
    if (result.number != 0)
        return fail(QStringLiteral("%1 (error %2)").arg(result.description).arg(result.number));
    if (toPaper)
        return 0;
    return QApplication::exec();
}
