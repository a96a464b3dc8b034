#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma- or tab-separated values as spreadsheets write them: a field in double quotes may hold
// the separator, line breaks and doubled quotes. Files come in UTF-8 (with or without a
// byte-order mark) or Windows-1252; text pasted from a spreadsheet is tab-separated.
class CsvText
{
public:
    struct Row
    {
        int line = 0; // of the row's first line, from 1
        QStringList fields;
    };
    struct Table
    {
        QList<Row> rows;
        // Why the text could not be read at all (a broken quote, no text), with its line.
        QString error;
    };

    // UTF-8 when the bytes are valid UTF-8, else Windows-1252. Empty with `error` set for bytes
    // that are no text.
    static QString decode(const QByteArray& bytes, QString* error);
    // The separator is a tab when the first line has one, else a semicolon when it has more
    // of them than commas, else a comma. Blank lines are left out.
    static Table read(const QString& text);

    // One line of a file: fields quoted where they must be, ended with CR LF.
    static QString line(const QStringList& fields);
    // The same line at the end of `out`: for files of many lines.
    static void append(QString& out, const QStringList& fields);
    // The same a field at a time, for lines of many fields: a comma unless it is the line's
    // first, then the field, quoted where it must be; endLine() ends the line.
    static void appendField(QString& out, QStringView field, bool first = false);
    static void endLine(QString& out);
};
