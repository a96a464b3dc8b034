#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// An athlete as a results file names them, found on the team's roster whatever the case,
// accents, order ("Last, First" or "First Last"), middle names and initials, hyphens and
// apostrophes, or a "Jr." after the name. The closest matches win: the same first name before
// an initial or a shortened one; where several runners match as closely, the file's gender
// and then its grade choose among them.
class AthleteMatch
{
public:
    struct Runner
    {
        qint64 pin = 0;
        QString name;             // as stored, "Last, First"
        QString gender;           // "F", "M" or empty
        std::optional<int> grade; // as of the meet
    };
    struct Found
    {
        QList<qint64> runners; // one: matched; none; several: the coach chooses

        bool matched() const { return runners.size() == 1; }
    };

    static Found find(const QList<Runner>& roster, const QString& name, const QString& gender,
                      std::optional<int> grade);
    // Whether a word of a results file is a grade or year: "7" to "12", "FR" to "SR", or a
    // class year ("2027").
    static bool isGrade(const QString& word);
    // A grade as files write it: "9" to "12", "FR", "SO", "JR", "SR", or a class year
    // ("2027") as of the meet's day.
    static std::optional<int> gradeOf(const QString& written, QDate day);
    // The name as the matching reads it: folded to plain lower-case letters, its parts apart.
    static QStringList words(const QString& text);
    // A runner's stored name ("Last, First") from a name as a file writes it.
    static QString stored(const QString& written);
};
