#include "ResultsFile.h"

#include "records/CsvText.h"
#include "records/ResultsCsv.h"
#include "records/ResultsListing.h"
#include "records/ResultsSemicolon.h"

#include <QFile>

QStringList ResultsFile::schools() const
{
    QStringList found;
    for (const ImportedResult& r : results)
        if (!r.school.isEmpty() && !found.contains(r.school))
            found << r.school;
    return found;
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
