// Files that other programs wrote (made by scripts/make-corpus into $PAGORA_CORPUS): every word
// that their producer, or LibreOffice, reads in each row of a file prints, in the row's order.
#include "layout/RichTextEngine.h"
#include "layout/RtfDocument.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "printing/QtPrinter.h"
#include "support/PdfText.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <vector>

using namespace pagora;

namespace {

QStringList words(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QStringList found;
    // A ligature's character (U+FB01 for "fi") stands for its letters.
    for (auto it = word.globalMatch(text.normalized(QString::NormalizationForm_KC)); it.hasNext();)
        found << it.next().captured().toLower();
    return found;
}

// How many printed words may stand between two of a row's: a mark, a tab's gap.
constexpr qsizetype NearBy = 8;

// The most words of `row` that `printed` holds in the same order, from one place on, among
// the words no row has taken yet: a file that says the same twice must print it twice. The
// words found are taken.
QStringList missingFrom(const QStringList& printed, std::vector<bool>& taken,
                        const QStringList& row)
{
    QStringList best = row;
    std::vector<qsizetype> bestAt;
    for (qsizetype start = printed.indexOf(row.first()); start >= 0;
         start = printed.indexOf(row.first(), start + 1)) {
        if (taken[static_cast<size_t>(start)])
            continue;
        QStringList missing;
        std::vector<qsizetype> at;
        qsizetype from = start;
        for (const QString& word : row) {
            qsizetype next = printed.indexOf(word, from);
            while (next >= 0 && taken[static_cast<size_t>(next)])
                next = printed.indexOf(word, next + 1);
            // A row's words stand near each other: a word found far away is another row's.
            if (next < 0 || next - from > NearBy) {
                missing << word;
            } else {
                at.push_back(next);
                from = next + 1;
            }
        }
        if (missing.size() < best.size()) {
            best = missing;
            bestAt = at;
        }
        if (best.isEmpty())
            break;
    }
    for (qsizetype i : bestAt)
        taken[static_cast<size_t>(i)] = true;
    return best;
}

QString producer(const QString& name)
{
    static const QList<std::pair<const char*, const char*>> producers{
        {"-docx-libreoffice", "LibreOffice from DOCX"},
        {"-odt-libreoffice", "LibreOffice from ODT"},
        {"-html-libreoffice", "LibreOffice from HTML"},
        {"-pandoc", "pandoc"},
        {"-latex2rtf", "latex2rtf"},
        {"-enscript", "enscript"},
        {"-highlight", "highlight"},
        {"word-style", "hand-written, Word's way"}};
    for (const auto& [suffix, who] : producers) {
        if (name.contains(QLatin1String(suffix)))
            return QString::fromLatin1(who);
    }
    return QStringLiteral("?");
}

} // namespace

class RtfCorpusTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void fidelity_data()
    {
        QTest::addColumn<QString>("rtf");
        const QDir corpus(qEnvironmentVariable("PAGORA_CORPUS"));
        if (qEnvironmentVariableIsEmpty("PAGORA_CORPUS") || !corpus.exists())
            QSKIP("no corpus: scripts/make-corpus makes one, and `make test` runs it");
        for (const QString& name : corpus.entryList({QStringLiteral("*.rtf")}, QDir::Files)) {
            if (QFile::exists(corpus.filePath(QFileInfo(name).completeBaseName() + ".txt")))
                QTest::newRow(qPrintable(name)) << corpus.filePath(name);
        }
    }
    void fidelity()
    {
        QFETCH(QString, rtf);
        const QFileInfo file(rtf);
        const QString base = file.absolutePath() + QLatin1Char('/') + file.completeBaseName();
        const std::unique_ptr<QTextDocument> document = RtfDocument::load(rtf);
        const QString pdf = m_dir.filePath(file.completeBaseName() + ".pdf");
        {
            auto printer = std::make_unique<PdfFilePrinter>(pdf);
            RichTextEngine engine(document.get(), RichTextEngine::Use::PrintOnly);
            PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, *printer);
        }
        const PdfText printed(pdf);
        QVERIFY(printed.isValid());
        const QStringList all = words(printed.text());

        QFile reference(base + ".txt");
        QVERIFY(reference.open(QIODevice::ReadOnly));
        int total = 0;
        QStringList missing;
        std::vector<bool> taken(static_cast<size_t>(all.size()), false);
        for (const QString& line :
             QString::fromUtf8(reference.readAll()).split(QLatin1Char('\n'))) {
            const QStringList row = words(line);
            if (row.isEmpty())
                continue;
            total += static_cast<int>(row.size());
            missing += missingFrom(all, taken, row);
        }
        const PdfText office(base + ".lo.pdf");
        qInfo("| %s | %s | %.1f %% | %d | %s |", qPrintable(file.fileName()),
              qPrintable(producer(file.fileName())),
              total ? 100.0 * (total - missing.size()) / total : 100.0, printed.pageCount(),
              office.isValid() ? qPrintable(QString::number(office.pageCount())) : "-");
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(RtfCorpusTest)
#include "tst_rtf_corpus.moc"
