#pragma once

#include <QByteArray>
#include <QString>

// The text handling every report shares: the template files, placeholders, and values made
// safe for RTF.
class ReportText
{
public:
    // A whole file as single-byte Windows-1252 text. Throws ReportError when it cannot be read.
    static QString readTextFile(const QString& path);
    // Writes the work file as Windows-1252 text. Throws ReportError when it cannot be written.
    static void writeReportFile(const QString& text);
    // The same into a file of the caller's.
    static void writeReportFile(const QString& text, const QString& path);

    static QString templateFolder();
    static QString templatePath(const QString& name);
    static QString workFile();

    // Every occurrence, left to right, case-sensitive; inserted text is not searched again for
    // the same placeholder.
    static void replace(QString& document, const QString& placeholder, const QString& value);
    // A stored value as RTF text: "\", "{" and "}" escaped, characters outside ASCII as \'xx
    // (Windows-1252) or \uN?.
    static QString rtf(const QString& value);
    // A value filled with blanks to a column's width (counted on the value as shown), as RTF;
    // at least one blank follows even a value that fills or overruns the column.
    static QString column(const QString& value, int width);
};
