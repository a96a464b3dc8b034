// pagora: the component from the command line.
//   pagora register | unregister
//   pagora preview FILE | edit FILE | print FILE [--printer NAME] [--copies N]
//   pagora pdf FILE [OUT.pdf]
//   pagora --help | --version
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <malloc.h>
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

const char* const Usage = "usage: pagora register | unregister | preview FILE | edit FILE |\n"
                          "       print FILE [--printer NAME] [--copies N] | pdf FILE [OUT.pdf]\n";

const char* const Help =
    "usage: pagora COMMAND\n"
    "  register                 make the component known to the programs that use it\n"
    "  unregister               forget it again\n"
    "  preview FILE             show an RTF document page by page\n"
    "  edit FILE                open an RTF document in the editor\n"
    "  print FILE               print it on the default printer; --printer NAME, --copies N\n"
    "  pdf FILE [OUT.pdf]       write it as a PDF file (beside it, under its name, by default)\n"
    "  --help                   print this help\n"
    "  --version                print the version\n";

// The options of `print`: the queue (the default one when empty) and the copies.
struct PrintOptions
{
    bool valid = true;
    QString printer;
    int copies = 1;
};

// Paper needs no screen, but Qt sizes fonts by the screen's DPI and, for every run of text it
// lays out for a device of another DPI, makes the font afresh for that one: a screen at the
// printer's DPI (the PDF writer's and CUPS's 1200) saves a tenth of the time. The page is the
// same at any screen DPI. The file lives until Qt has read it, when the application starts.
void usePaperScreen(QTemporaryFile& config)
{
    if (!config.open())
        return;
    config.write(R"({"screens": [{"name": "Paper", "x": 0, "y": 0, "width": 1920,)"
                 R"( "height": 1080, "logicalDpi": 1200, "logicalBaseDpi": 1200, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=") + QFile::encodeName(config.fileName()));
}

PrintOptions printOptions(const QStringList& args)
{
    PrintOptions options;
    PrintOptions invalid;
    invalid.valid = false;
    bool named = false, counted = false;
    for (int i = 3; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return invalid;
        const QString& value = args.at(i + 1);
        if (args.at(i) == QLatin1String("--printer") && !named && !value.isEmpty()) {
            options.printer = value;
            named = true;
        } else if (args.at(i) == QLatin1String("--copies") && !counted) {
            bool number = false;
            options.copies = value.toInt(&number);
            if (!number || options.copies < 1 || options.copies > 999)
                return invalid;
            counted = true;
        } else {
            return invalid;
        }
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc == 2 && (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        std::fputs(Help, stdout);
        return 0;
    }
    if (argc == 2 && command == QLatin1String("--version")) {
        std::printf("pagora %s\n", pagora::FileVersion);
        return 0;
    }
    const bool toPaper = command == QLatin1String("print") || command == QLatin1String("pdf");
    if (toPaper) {
        // Each page's drawing and its compressed stream take buffers of a few hundred
        // kilobytes, which the allocator would map afresh for every page and hand back after
        // it: a fifth of a print went on the kernel's page faults. A print's memory is kept for
        // the next page instead.
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
        mallopt(M_TOP_PAD, 64 * 1024 * 1024);
    }
    const bool windows =
        command == QLatin1String("preview") || command == QLatin1String("edit") || toPaper;
    // Printing from a script needs no screen, and a PDF file never shows a window.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    QTemporaryFile screen;
    if (toPaper && (platform == "offscreen" ||
                    (platform.isEmpty() && (noDisplay || command == QLatin1String("pdf")))))
        usePaperScreen(screen);
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
    const bool print = command == QLatin1String("print");
    const PrintOptions options = print ? printOptions(args) : PrintOptions();
    if (!verbs.contains(command) || args.size() < 3 || !options.valid ||
        (!print && args.size() > (pdf ? 4 : 3))) {
        std::fputs(Usage, stderr);
        return 2;
    }

    QString error;
    auto* component = static_cast<pagora::_Print*>(pagora::ComponentClient::createInstance(
        QString::fromLatin1(pagora::PrintProgId), pagora::PrintInterfaceId, &error, library));
    if (!component)
        return fail(error);
    component->putMyFile(QFileInfo(args.at(2)).absoluteFilePath());
    if (command == QLatin1String("preview"))
        component->ShowPreview();
    else if (command == QLatin1String("edit"))
        component->EditFilefile();
    else if (pdf)
        component->SavePdf(pdfPath(args));
    else if (!options.printer.isEmpty() || options.copies != 1)
        component->PrintTo(options.printer, options.copies);
    else
        component->Send2Print();
    const pagora::PrintError result = component->lastError();
    component->Release();
    if (result.number != 0)
        return fail(QStringLiteral("%1 (error %2)").arg(result.description).arg(result.number));
    if (toPaper)
        return 0;
    return QApplication::exec();
}
