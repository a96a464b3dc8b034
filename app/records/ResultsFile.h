#pragma once

#include "records/ImportedResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// A meet's results as the host's file gives them, read whole before anything is written: the
// results listing that meet programs print and results pages show (plain text, or inside an
// HTML page's <pre>), a results CSV with a header row, or a semicolon-separated results
// export. Every team's results are read; which are the coach's is chosen later.
class ResultsFile
{
public:
    enum class Format
    {
        Listing,
        Csv,
        Semicolon,
    };

    Format format = Format::Listing;
    QString meetName, host;
    QDate date;
    QList<ImportedResult> results;
    // Lines that look like results but could not be read.
    QList<ImportProblem> problems;
    // What is left out on purpose, with its line: events the sheet does not keep, and where
    // the layout leaves a field in doubt.
    QList<ImportProblem> skipped;
    // Why the file cannot be read at all; then nothing else is set.
    QString error;

    // The schools of the file, in the order they first appear.
    QStringList schools() const;
    static QString formatName(Format format);
    // The first date a text gives: "4/11/2026" (or "4/11/26"), "2026-04-11", "April 11, 2026".
    static QDate dateIn(const QString& text);

    // Refuses a file over this size: a meet's results are far smaller.
    static constexpr qint64 MaxBytes = 20 * 1024 * 1024;
    static ResultsFile read(const QByteArray& bytes);
    static ResultsFile readFile(const QString& path);
};
