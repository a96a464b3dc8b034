// A 40-team invitational's results listing (about 1,200 result lines, girls and boys) brought
// into one team's meet on the large database: read, matched and previewed; then written.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/Connection.h"
#include "data/ProgramFolder.h"
#include "data/RecordSet.h"
#include "records/Gender.h"
#include "records/MeetSheet.h"
#include "records/RecordCreator.h"
#include "records/ResultsImport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <random>

namespace {

struct Runner
{
    QString name, gender;
};

const char* const kEvents[] = {"100 Meter Dash",    "200 Meter Dash",    "400 Meter Dash",
                               "800 Meter Run",     "1600 Meter Run",    "3200 Meter Run",
                               "300 Meter Hurdles", "High Jump",         "Long Jump",
                               "Triple Jump",       "Pole Vault",        "Shot Put",
                               "Discus Throw",      "4x100 Meter Relay", "4x200 Meter Relay",
                               "4x400 Meter Relay", "4x800 Meter Relay"};

QString mark(int event, int place)
{
    const double base[] = {12.0,  25.0,  58.0,  140.0,  310.0, 660.0, 45.0,  60.0, 200.0,
                           420.0, 120.0, 480.0, 1500.0, 50.0,  105.0, 245.0, 590.0};
    const bool field = event >= 7 && event <= 12;
    const double v = field ? base[event] - place * 2 : base[event] + place * 0.37;
    if (field)
        return QStringLiteral("%1-%2")
            .arg(int(v / 12))
            .arg(v - int(v / 12) * 12, 5, 'f', 2, QLatin1Char('0'));
    if (v < 60)
        return QString::number(v, 'f', 2);
    return QStringLiteral("%1:%2")
        .arg(int(v / 60))
        .arg(v - int(v / 60) * 60, 5, 'f', 2, QLatin1Char('0'));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    const QString path = LargeTrack::makeForBench(dir.path());
    Connection db;
    db.open(Connection::connectionStringFor(path));

    // Every team's runners, by school and gender.
    QHash<QString, QList<Runner>> bySchool;
    QStringList schools;
    qint64 team = 0;
    QString ours;
    for (RecordSet rs(QStringLiteral("SELECT Teams.Pin AS Team_Pin, Teams.School AS School, "
                                     "Runners.Name AS Name, Runners.Gender AS Gender FROM "
                                     "Runners JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = "
                                     "Runners.Pin JOIN Teams ON Teams.Pin = "
                                     "Runner_to_Team.Team_Pin ORDER BY Teams.Pin, Runners.Pin"),
                      db);
         !rs.eof(); rs.moveNext()) {
        const QString school = rs.field(QStringLiteral("School")).text();
        if (!bySchool.contains(school))
            schools << school;
        if (team == 0) {
            team = rs.field(QStringLiteral("Team_Pin")).toInt();
            ours = school;
        }
        bySchool[school].append(
            {rs.field(QStringLiteral("Name")).text(), rs.field(QStringLiteral("Gender")).text()});
    }
    std::mt19937 rng(7);
    QString listing = QStringLiteral("Large Invitational - 4/11/2026\n");
    int lines = 0;
    for (const QString& gender : {QStringLiteral("F"), QStringLiteral("M")}) {
        for (int e = 0; e < 17; ++e) {
            listing += (gender == QLatin1String("F") ? QStringLiteral("Girls ")
                                                     : QStringLiteral("Boys ")) +
                       QLatin1String(kEvents[e]) + QLatin1Char('\n');
            for (int place = 1; place <= 35; ++place) {
                const QString school = schools[int(rng() % schools.size())];
                QList<Runner> runners;
                for (const Runner& r : bySchool[school])
                    if (r.gender == gender)
                        runners << r;
                if (runners.isEmpty())
                    continue;
                ++lines;
                if (e >= 13) {
                    listing += QStringLiteral("  %1 %2  'A'  %3  %4\n")
                                   .arg(place)
                                   .arg(school, mark(e, place))
                                   .arg(place <= 8 ? 9 - place : 0);
                    listing += QStringLiteral("     ");
                    for (int k = 0; k < 4; ++k)
                        listing += QStringLiteral("%1) %2 11   ")
                                       .arg(k + 1)
                                       .arg(runners[int(rng() % runners.size())].name);
                    listing += QLatin1Char('\n');
                    continue;
                }
                listing +=
                    QStringLiteral("  %1 %2  11 %3  %4  %5\n")
                        .arg(place)
                        .arg(runners[int(rng() % runners.size())].name, school, mark(e, place))
                        .arg(place <= 8 ? 9 - place : 0);
            }
        }
    }
    const QByteArray bytes = listing.toUtf8();
    std::printf("(%d result lines of %lld schools, %lld KB; the team is %s)\n", lines,
                static_cast<long long>(schools.size()), static_cast<long long>(bytes.size() / 1024),
                qPrintable(ours));
    const std::optional<qint64> meet = std::nullopt;
    ResultsImport plan;
    const double read = BenchTimer::medianMs(11, [&] {
        const ResultsFile file = ResultsFile::read(bytes);
        plan = ResultsImport::plan(file, ResultsImport::bestSchool(file.schools(), ours),
                                   ResultsImport::rosterOf(db, team, file.date));
        plan.preview(std::nullopt);
    });
    BenchTimer::print(QStringLiteral("read, matched and previewed"), read, 300);
    std::printf("  (%lld of the team's results, %lld athletes)\n",
                static_cast<long long>(plan.ours.size()),
                static_cast<long long>(plan.athletes.size()));
    // Into the meet the coach made beforehand, with its girls' and boys' divisions.
    std::optional<qint64> made;
    const double written = BenchTimer::medianMs(
        11, [&] { plan.write(db, team, made, QStringLiteral("bench")); },
        [&] {
            made = RecordCreator(db).addMeet(team, {{QStringLiteral("Girls"), QStringLiteral("F")},
                                                    {QStringLiteral("Boys"), QStringLiteral("M")}});
        });
    BenchTimer::print(QStringLiteral("written into the team's meet"), written, 100);
    const double created =
        BenchTimer::medianMs(11, [&] { plan.write(db, team, meet, QStringLiteral("bench")); });
    BenchTimer::print(QStringLiteral("written into a new meet made from the file"), created, 100);
    return 0;
}
