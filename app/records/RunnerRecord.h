#pragma once

#include <QString>
#include <optional>

class Connection;

// One runner as the runner editor shows it: the name in its two parts, phone, address, grade,
// team and class year. Throws DatabaseError when the database refuses a statement; a save or a
// delete applies whole or not at all.
class RunnerRecord
{
public:
    qint64 pin = 0;
    QString first, last, phone, address;
    std::optional<int> grade;
    // A runner without a team link has none.
    std::optional<qint64> team;
    // The year the runner's class graduates. With one, the grade is worked out from it.
    std::optional<int> classOf;
    // As stored: "F" or "M" from the runner editor, or as a roster wrote it; empty when unknown.
    QString gender;
    // Kept off the team's website: named "Athlete" there, without a page.
    bool doNotPublish = false;

    // Nothing when the runner is gone.
    static std::optional<RunnerRecord> load(Connection& db, qint64 pin);
    // A grade as typed: a whole number from 1 to 12, or nothing for an empty box; false for
    // anything else.
    static bool readGrade(const QString& typed, std::optional<int>* grade);
    // A class year as typed: four digits from 1950 to 2100, or nothing for an empty box.
    static bool readClassOf(const QString& typed, std::optional<int>* classOf);
    // Without a team the runner keeps the link it has.
    void save(Connection& db) const;
    // The runner's slots stay in their meets, emptied, so that every sheet keeps its shape.
    static void remove(Connection& db, qint64 pin);
    // The runner has a slot in some meet.
    static bool hasResults(Connection& db, qint64 pin);
    // Keeps the runner and every result, and gives the runner a class year that has graduated
    // (the last one, unless an earlier one is stored), so that the lists leave it out.
    static void markGraduated(Connection& db, qint64 pin);
};
