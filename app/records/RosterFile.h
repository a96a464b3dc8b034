#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A roster as the athletic office sends it, read from a CSV or tab-separated file or from text
// pasted from a spreadsheet. Columns are found by their header, whatever their case and order:
// First, Last, Name ("Last, First"), Grade, Class of (or Graduation year), Gender, Phone and
// Address; others are left alone. Nothing is written here.
class RosterFile
{
public:
    struct Runner
    {
        int line = 0;
        QString first, last;
        std::optional<int> grade, classOf;
        QString gender, phone, address;
    };

    QList<Runner> runners;
    // Rows that cannot be taken, each with its line: "Line 4: no name."
    QStringList problems;
    // Why nothing at all can be read (not text, a broken quote, no name column).
    QString error;

    static RosterFile read(const QByteArray& bytes);
    static RosterFile readText(const QString& text);
    // The header a roster export writes, which read() takes back.
    static QStringList header();
};
