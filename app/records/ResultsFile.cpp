#include "ResultsFile.h"

#include "records/CsvText.h"
#include "records/ResultsCsv.h"
#include "records/ResultsListing.h"
#include "records/ResultsSemicolon.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

QStringList ResultsFile::schools() const
{
    QStringList found;
    for (const ImportedResult& r : results)
        if (!r.school.isEmpty() && !found.contains(r.school))
            found << r.school;
    return found;
}

QDate ResultsFile::dateIn(const QString& line)
{
    static const QRegularExpression us(QStringLiteral("\\b(\\d{1,2})/(\\d{1,2})/(\\d{2,4})\\b"));
    static const QRegularExpression iso(QStringLiteral("\\b(\\d{4})-(\\d{2})-(\\d{2})\\b"));
    static const QRegularExpression words(
        QStringLiteral("\\b([A-Z][a-z]+\\.?) (\\d{1,2}),? (\\d{4})\\b"));
    if (const auto m = us.match(line); m.hasMatch()) {
        int year = m.captured(3).toInt();
        year += year < 100 ? 2000 : 0;
        return QDate(year, m.captured(1).toInt(), m.captured(2).toInt());
    }
    if (const auto m = iso.match(line); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = words.match(line); m.hasMatch())
        for (int month = 1; month <= 12; ++month)
            if (QLocale::c().monthName(month).startsWith(m.captured(1).remove(QLatin1Char('.'))))
                return QDate(m.captured(3).toInt(), month, m.captured(2).toInt());
    return {};
}

QString ResultsFile::formatName(Format format)
{
    switch (format) {
    case Format::Csv:
        return QStringLiteral("results CSV");
    case Format::Semicolon:
        return QStringLiteral("semicolon-separated results");
    case Format::Listing:
        break;
    }
    return QStringLiteral("results listing");
}

ResultsFile ResultsFile::read(const QByteArray& bytes)
{
    ResultsFile file;
    if (bytes.size() > MaxBytes) {
        file.error = QStringLiteral("The file is %1 MB, more than any meet's results; it was "
                                    "not read.")
                         .arg(bytes.size() / (1024 * 1024));
        return file;
    }
    QString error;
    const QString text = CsvText::decode(bytes, &error);
    if (!error.isEmpty()) {
        file.error = QStringLiteral("The file is not text. Cindrel reads a results listing (text "
                                    "or a web page), a results CSV, or a semicolon-separated "
                                    "results export.");
        return file;
    }
    if (ResultsCsv::looksLikeOne(text))
        ResultsCsv::read(text, file);
    else if (ResultsSemicolon::looksLikeOne(text))
        ResultsSemicolon::read(text, file);
    else
        ResultsListing::read(text, file);
    if (file.error.isEmpty() && file.results.isEmpty() && file.problems.isEmpty())
        file.error = QStringLiteral("The file holds no results that Cindrel can read: no event "
                                    "heading with results under it was found.");
    return file;
}

ResultsFile ResultsFile::readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ResultsFile file;
        file.error = QStringLiteral("The file %1 cannot be opened: %2").arg(path, f.errorString());
        return file;
    }
    if (f.size() > MaxBytes) {
        ResultsFile file;
        file.error = QStringLiteral("The file is %1 MB, more than any meet's results; it was "
                                    "not read.")
                         .arg(f.size() / (1024 * 1024));
        return file;
    }
    return read(f.readAll());
}
