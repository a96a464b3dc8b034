#pragma once

#include <QDate>
#include <optional>

// A school year starts on 1 August and ends with the graduation of its class: the year 2026-27
// graduates the class of 2027. A runner's grade follows from the class year and the date.
class SchoolYear
{
public:
    // The class that graduates at the end of the school year the day falls in.
    static int graduating(QDate day);
    // The grade of a class on a day (12 for the class graduating that school year); nothing
    // for a class that has already graduated.
    static std::optional<int> grade(int classOf, QDate day);
    static bool graduated(int classOf, QDate day) { return classOf < graduating(day); }
    // A runner's grade on a past or present day: from the class year where there is one, else
    // the stored grade, which holds only in the school year it was typed (this one).
    static std::optional<int> gradeAt(std::optional<int> classOf, std::optional<int> grade,
                                      QDate day, QDate today);
    // The class year of a runner in a grade on a day.
    static int classOf(int grade, QDate day) { return graduating(day) + 12 - grade; }
};
