// Pagora on a 100-page report of the runner report's kind: tab-aligned rows in a monospaced
// table font. Loads it, lays it out and renders it to PDF through QPrinter, and lays out its
// preview pages; compares with LibreOffice's conversion when LibreOffice is installed.
#include "BenchTimer.h"

#include "layout/RichTextBox.h"
#include "printing/PageSurfaces.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "printing/QtPrinter.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace pagora;

namespace {

QByteArray report(int rows)
{
    QByteArray rtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}"
        "{\\f1\\fmodern Liberation Mono;}}\n"
        "\\pard\\qc\\b\\fs32 North Valley High\\par\\fs24 Runner Report\\par\\b0\\ql\\fs20\\par\n"
        "\\pard\\f1\\fs18\\tx2880\\tx4320\\tx5760\\tx6480\\tx7200 ");
    rtf += "\\tab Event               Time\\tab\\tab T/M\\tab\\tab Pl\\tab Pts\\line \\line ";
    const char* events[] = {"100 Meter Dash", "200 Meter Dash", "400 Meter Dash",
                            "Long Jump",      "Shot Put",       "1600 Meter Run"};
    for (int i = 0; i < rows; ++i) {
        QByteArray name(events[i % 6]);
        name += QByteArray(20 - name.size(), ' ');
        rtf += "\\tab " + name + QByteArray::number(1 + i % 12) + "/" +
               QByteArray::number(1 + i % 28) + "/2026\\tab " + QByteArray::number(10 + i % 50) +
               "." + QByteArray::number(10 + i % 89) + "\\tab\\tab " +
               QByteArray::number(1 + i % 8) + "\\tab " + QByteArray::number(i % 11) +
               "\\line \r\n";
    }
    return rtf + "\\par}";
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Messages::setAnswering(true);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("report.rtf"));
    {
        QFile f(source);
        f.open(QIODevice::WriteOnly);
        f.write(report(3400));
    }
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    Printer::setCurrent(QtPrinter::pdfFile(pdf));

    int pages = 0;
    const double print = BenchTimer::medianMs(5, [&] {
        RichTextBox box;
        box.loadFile(source);
        PrintRoutines::MatchPrinterLayout(box, 1440, 1440, true);
        PrintRoutines::PrintRichText(box, 1440, 1440, 1440, 1440);
    });
    {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const QRegularExpression count(QStringLiteral("Pages:\\s+(\\d+)"));
        pages = count.match(out).captured(1).toInt();
    }
    std::printf("report: %d pages\n", pages);
    BenchTimer::print(QStringLiteral("load, lay out and render to PDF"), print, 1000);

    const double preview = BenchTimer::medianMs(5, [&] {
        RichTextBox box;
        box.loadFile(source);
        PageSurfaces surfaces;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, surfaces,
                                       errors);
    });
    BenchTimer::print(QStringLiteral("load and lay out the preview pages"), preview, 1000);

    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty()) {
        std::printf("LibreOffice is not installed: no comparison\n");
        return 0;
    }
    QElapsedTimer t;
    t.start();
    QProcess convert;
    convert.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("pdf"), QStringLiteral("--outdir"), dir.path(), source});
    convert.waitForFinished(600000);
    const double lo = static_cast<double>(t.nsecsElapsed()) / 1e6;
    std::printf("%-48s %9.3f ms   Pagora is %.1f times faster (target: 10)\n",
                "LibreOffice --convert-to pdf", lo, lo / print);
    return 0;
}
