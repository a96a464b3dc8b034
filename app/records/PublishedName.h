#pragma once

#include <QString>
#include <optional>

// How the team's website names a minor: "First Last" or "First L.", with or without the grade,
// and "Athlete" for a runner kept off it. The choice is Options › Publishing's, kept in the
// settings ("PublishNames", "PublishGrades").
class PublishedName
{
public:
    enum class Names
    {
        Full,
        Initial,
    };
    struct Style
    {
        Names names = Names::Full;
        bool grades = false;
    };

    static Style style();
    static void setStyle(Style style);
    static QString key(Names names);
    static Names fromKey(const QString& key);

    // The name as the site prints it, from the stored "Last, First".
    static QString of(const QString& stored, bool doNotPublish, std::optional<int> grade = {});
    // What stands for a runner who is not published.
    static QString anonymous();
    // A file name made of the published name: letters and digits without accents, lower case,
    // words joined by "-", then the runner's pin so that two of one name differ.
    static QString fileName(const QString& published, qint64 pin);
};
