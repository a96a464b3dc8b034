// Pagora on documents of proportional text as word processors write them: a heading, justified
// paragraphs and a bordered table of results to a page. `pagora pdf` against LibreOffice's and
// AbiWord's own conversions of the same file (100 and 300 pages), with each one's peak memory,
// and Pagora's cost per page from 20 to 2,000 pages.
#include "Conversion.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>

namespace {

QByteArray number(int n)
{
    return QByteArray::number(n);
}

// About a page each.
QByteArray prose(int pages)
{
    static constexpr std::array<const char*, 24> words{
        "the",    "team",  "ran",    "a",        "season", "of",    "meets",   "in",
        "which",  "every", "runner", "improved", "their",  "marks", "against", "strong",
        "fields", "from",  "across", "valley",   "coach",  "kept",  "careful", "records"};
    static constexpr std::array<const char*, 6> names{"Adams, Ann", "Brown, Bo",  "Cruz, Bea",
                                                      "Diaz, Eva",  "Ortiz, Ana", "Young, Sam"};
    static constexpr std::array<const char*, 4> events{"100 Meter Dash", "Long Jump",
                                                       "1600 Meter Run", "Shot Put"};
    QByteArray rtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}"
                   "{\\f1\\fswiss Liberation Sans;}}\n");
    QByteArray border;
    for (const char* side : {"t", "l", "b", "r"})
        border += QByteArray("\\clbrdr") + side + "\\brdrs\\brdrw10";
    for (int p = 0; p < pages; ++p) {
        rtf += "\\pard\\sb240\\sa120\\keepn\\f1\\b\\fs28 Meet " + number(p + 1) +
               ": North Valley Invitational\\par\n";
        for (int k = 0; k < 3; ++k) {
            rtf += "\\pard\\qj\\fi360\\sa120\\f0\\b0\\fs24 ";
            for (int w = 0; w < 105; ++w)
                rtf += QByteArray(words[size_t((p * 7 + k * 13 + w * w) % 24)]) +
                       (w % 17 == 16 ? ". " : " ");
            rtf += "\\par\n";
        }
        for (int r = 0; r < 6; ++r) {
            rtf += "\\trowd\\trgaph108";
            for (int c = 1; c <= 4; ++c)
                rtf += border + "\\cellx" + number(c * 2340);
            rtf += "\\pard\\intbl\\f0\\fs20";
            if (r == 0) {
                rtf += "\\b Athlete\\cell Event\\cell Mark\\cell Place\\b0\\cell\\row\n";
                continue;
            }
            const int i = p * 5 + r;
            rtf += QByteArray(" ") + names[size_t(i % 6)] + "\\cell " + events[size_t(i % 4)] +
                   "\\cell " + number(10 + i % 50) + "." + number(10 + i % 89) + "\\cell " +
                   number(1 + i % 8) + "\\cell\\row\n";
        }
    }
    return rtf + "\\pard\\par}";
}

void printRun(const char* what, const Conversion& run, int pages)
{
    if (!run.ok) {
        std::printf("%-44s refused or failed\n", what);
        return;
    }
    std::printf("%-44s %9.1f ms  %5d pages  %6.2f ms a page", what, run.ms, pages,
                run.ms / std::max(1, pages));
    if (run.peakMb >= 0)
        std::printf("  peak %6.1f MB", run.peakMb);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString pagora = QStringLiteral(PAGORA_COMMAND);
    // The command prints with the library registered last, which may be another build's: this
    // one's is registered where only the bench looks.
    qputenv("COMPONENT_REGISTRY", dir.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    Conversion::run(pagora, {QStringLiteral("register")});
    const QString office = Conversion::libreOffice(), abiword = Conversion::abiWord();
    bool warmed = false;
    for (int size : {20, 100, 200, 300, 2000}) {
        const QString source = dir.filePath(QStringLiteral("prose%1.rtf").arg(size));
        {
            QFile f(source);
            f.open(QIODevice::WriteOnly);
            f.write(prose(size));
        }
        std::printf("\n%d pages of proportional text with tables\n", size);
        const QString pdf = dir.filePath(QStringLiteral("prose%1.pdf").arg(size));
        const Conversion own = Conversion::run(pagora, {QStringLiteral("pdf"), source, pdf});
        printRun("  pagora pdf", own, Conversion::pages(pdf));
        if (size != 100 && size != 300)
            continue;
        if (!office.isEmpty()) {
            const QString profile = dir.filePath(QStringLiteral("lo"));
            if (!warmed) {
                Conversion::warmLibreOffice(office, profile, dir.path());
                warmed = true;
            }
            const QString folder = dir.filePath(QStringLiteral("lo"));
            const Conversion lo =
                Conversion::run(office, Conversion::libreOfficeArguments(profile, folder, source));
            printRun("  soffice --headless --convert-to pdf", lo,
                     Conversion::pages(folder + QStringLiteral("/prose%1.pdf").arg(size)));
            if (own.ok && lo.ok)
                std::printf("%-44s %9.1f times  (target: 20) %s\n", "  Pagora faster than it",
                            lo.ms / own.ms, lo.ms / own.ms >= 20 ? "ok" : "MISSED");
        }
        if (!abiword.isEmpty()) {
            const QString out = dir.filePath(QStringLiteral("abiword%1.pdf").arg(size));
            const Conversion abi =
                Conversion::run(abiword, Conversion::abiWordArguments(out, source));
            printRun("  abiword --to=pdf", abi, Conversion::pages(out));
            if (own.ok && abi.ok)
                std::printf("%-44s %9.1f times  (target: 10) %s\n", "  Pagora faster than it",
                            abi.ms / own.ms, abi.ms / own.ms >= 10 ? "ok" : "MISSED");
        }
    }
    if (office.isEmpty() || abiword.isEmpty())
        std::printf("\nLibreOffice or AbiWord is not installed: compared with what there is\n");
    return 0;
}
