// Pagora on long reports of the runner report's kind (tab-aligned rows in a monospaced table
// font), 100, 300 and 1,000 pages: `pagora pdf` from start to finish, its cost per page and
// its peak memory, the time until the preview shows its first page, and LibreOffice's and
// AbiWord's own conversions of the same files when they are installed.
#include "BenchTimer.h"
#include "Conversion.h"

#include "layout/RichTextBox.h"
#include "printing/PageSurfaces.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "printing/QtPrinter.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace pagora;

namespace {

// About 68 rows to a page.
QByteArray report(int pages)
{
    QByteArray rtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}"
        "{\\f1\\fmodern Liberation Mono;}}\n"
        "\\pard\\qc\\b\\fs32 North Valley High\\par\\fs24 Runner Report\\par\\b0\\ql\\fs20\\par\n"
        "\\pard\\f1\\fs18\\tx2880\\tx4320\\tx5760\\tx6480\\tx7200 ");
    rtf += "\\tab Event               Time\\tab\\tab T/M\\tab\\tab Pl\\tab Pts\\line \\line ";
    const char* events[] = {"100 Meter Dash", "200 Meter Dash", "400 Meter Dash",
                            "Long Jump",      "Shot Put",       "1600 Meter Run"};
    const int rows = pages * 68 - 8;
    for (int i = 0; i < rows; ++i) {
        const QByteArray name = QByteArray(events[i % 6]).leftJustified(22, ' ');
        rtf += "\\tab " + name + QByteArray::number(1 + i % 12) + "/" +
               QByteArray::number(1 + i % 28) + "/2026\\tab " + QByteArray::number(10 + i % 50) +
               "." + QByteArray::number(10 + i % 89) + "\\tab\\tab " +
               QByteArray::number(1 + i % 8) + "\\tab " + QByteArray::number(i % 11) +
               "\\line \r\n";
    }
    return rtf + "\\par}";
}

// A preview that notes when it is first shown, and lays the rest out at once.
class TimedPreview : public PageSurfaces
{
public:
    explicit TimedPreview(const QElapsedTimer& clock) : m_clock(clock) {}
    void showPreview() override
    {
        PageSurfaces::showPreview();
        shownMs = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
    }
    double shownMs = 0;

private:
    const QElapsedTimer& m_clock;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Messages::setAnswering(true);
    QTemporaryDir dir;
    const QString pagora = QStringLiteral(PAGORA_COMMAND);
    // The command prints with the library registered last, which may be another build's: this
    // one's is registered where only the bench looks.
    qputenv("COMPONENT_REGISTRY", dir.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    Conversion::run(pagora, {QStringLiteral("register")});
    const QString office = Conversion::libreOffice(), abiword = Conversion::abiWord();
    const QString profile = dir.filePath(QStringLiteral("lo"));
    bool warmed = false;
    for (int size : {1000, 300, 100}) {
        const QString source = dir.filePath(QStringLiteral("report%1.rtf").arg(size));
        {
            QFile f(source);
            f.open(QIODevice::WriteOnly);
            f.write(report(size));
        }
        const QString pdf = dir.filePath(QStringLiteral("report%1.pdf").arg(size));
        // A short run is at the mercy of the machine's moment: more of them, for a fair median.
        const int runs = size >= 1000 ? 1 : size >= 300 ? 3 : 7;
        double peakMb = 0;
        const double print = BenchTimer::medianMs(runs, [&] {
            const Conversion run = Conversion::run(pagora, {QStringLiteral("pdf"), source, pdf});
            peakMb = std::max(peakMb, run.peakMb);
        });
        const int pages = Conversion::pages(pdf);
        std::printf("\n%d-page report (%d pages printed)\n", size, pages);
        BenchTimer::print(QStringLiteral("pagora pdf"), print, size * 10.0);
        std::printf("%-48s %9.3f ms\n", "  per page", print / std::max(1, pages));
        if (size == 1000 && peakMb > 0)
            std::printf("%-48s %9.1f MB   (target < 200 MB) %s\n", "  peak memory of pagora pdf",
                        peakMb, peakMb < 200 ? "ok" : "MISSED");

        // From the file to the first page on the screen.
        QElapsedTimer clock;
        clock.start();
        TimedPreview preview(clock);
        {
            RichTextBox box;
            box.loadFile(source);
            Printer::setCurrent(
                std::make_unique<PdfFilePrinter>(dir.filePath(QStringLiteral("none.pdf"))));
            MessageReport errors;
            PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                           errors);
        }
        BenchTimer::print(QStringLiteral("  preview's first page shown"), preview.shownMs, 300);
        std::printf("%-48s %9.3f ms   (%d pages)\n", "  preview's every page laid out",
                    static_cast<double>(clock.nsecsElapsed()) / 1e6, preview.count());

        if (size > 300)
            continue;
        if (!office.isEmpty()) {
            if (!warmed) {
                Conversion::warmLibreOffice(office, profile, dir.path());
                warmed = true;
            }
            const QString folder = dir.filePath(QStringLiteral("lo-out"));
            const double lo =
                Conversion::run(office, Conversion::libreOfficeArguments(profile, folder, source))
                    .ms;
            const int loPages =
                Conversion::pages(folder + QStringLiteral("/report%1.pdf").arg(size));
            std::printf("%-48s %9.3f ms   (%d pages) Pagora is %.1f times faster (target: 25) %s\n",
                        "  soffice --headless --convert-to pdf", lo, loPages, lo / print,
                        lo / print >= 25 ? "ok" : "MISSED");
        }
        if (!abiword.isEmpty()) {
            const QString out = dir.filePath(QStringLiteral("abiword%1.pdf").arg(size));
            const double abi =
                Conversion::run(abiword, Conversion::abiWordArguments(out, source)).ms;
            std::printf("%-48s %9.3f ms   (%d pages) Pagora is %.1f times faster\n",
                        "  abiword --to=pdf", abi, Conversion::pages(out), abi / print);
        }
    }
    if (office.isEmpty() || abiword.isEmpty())
        std::printf("\nLibreOffice or AbiWord is not installed: compared with what there is\n");
    return 0;
}
