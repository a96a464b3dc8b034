#include "LargeTrack.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/ServerSchema.h"
#include "data/SqlText.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

const char* const kTowns[] = {"North Valley", "Central",     "Riverside", "Lakewood",  "Hillcrest",
                              "Oak Grove",    "Maple Ridge", "Westfield", "Eastbrook", "Summit",
                              "Pine Bluff",   "Cedar Falls", "Granite",   "Harbor",    "Fairview",
                              "Brookside",    "St. Mary's",  "Jefferson", "Lincoln",   "Madison"};
const char* const kKinds[] = {"High", "Academy"};
const char* const kMascots[] = {"Comets",  "Eagles",   "Wildcats", "Falcons",  "Bears",
                                "Knights", "Panthers", "Hornets",  "Mustangs", "Rockets"};
const char* const kLast[] = {
    "Smith",     "Johnson",  "Williams",  "Brown",  "Jones",    "Garcia", "Miller",   "Davis",
    "Rodriguez", "Martinez", "Hernandez", "Lopez",  "Gonzalez", "Wilson", "Anderson", "Thomas",
    "Taylor",    "Moore",    "Jackson",   "Martin", "Lee",      "Perez",  "Thompson", "White",
    "O'Brien",   "Harris",   "Sanchez",   "Clark",  "Ramirez",  "Lewis",  "Robinson", "Walker",
    "Young",     "Allen",    "King",      "Wright", "Scott",    "Torres", "Nguyen",   "Hill"};
const char* const kFirst[] = {
    "Ann",  "Bo",  "Cy",   "Dee",  "Eli",   "Fay",  "Gus", "Hana", "Ian", "Jade", "Kai", "Lena",
    "Max",  "Nia", "Owen", "Pia",  "Quinn", "Rosa", "Sam", "Tess", "Uma", "Vic",  "Wes", "Xena",
    "Yuri", "Zoe", "Maya", "Liam", "Noah",  "Emma", "Ava", "Leo",  "Mia", "Ezra", "Ivy", "Jonah"};
const char* const kWeather[] = {"Sunny", "Windy",         "Overcast",   "Light rain",
                                "Cold",  "Hot and humid", "Clear, 62F", "Gusty"};

// Realistic ranges per event type: seconds for runs and relays, inches for field events.
struct Range
{
    double low, high;
};
const Range kRanges[18] = {
    {0, 0},     {10.8, 14.5}, {22.0, 30.0}, {49.0, 70.0}, {115, 170}, {260, 390},
    {560, 840}, {38.0, 55.0}, {54, 80},     {180, 276},   {384, 552}, {96, 180},
    {336, 696}, {960, 2040},  {42.0, 52.0}, {90, 110},    {205, 270}, {480, 630},
};

int pick(std::mt19937& rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

qint64 lastInsert(Connection& db)
{
    RecordSet rs(QStringLiteral("SELECT last_insert_rowid() AS Pin"), db);
    return rs.field(QStringLiteral("Pin")).toInt();
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + escapeSqlText(text) + QLatin1Char('\'');
}

// One division's sheet: every event, three to five entries in the sprints, two in the other
// individual events, and an A and a B team in every relay; the better mark with the better
// place.
void addDivision(Connection& db, std::mt19937& rng, qint64 meet, qint64 division,
                 const std::vector<qint64>& roster)
{
    for (int type = 1; type <= 17; ++type) {
        db.execute(QStringLiteral("INSERT INTO Events (Type, Place, Division_Pin) VALUES (%1,0,%2)")
                       .arg(type)
                       .arg(division));
        const qint64 event = lastInsert(db);
        db.execute(QStringLiteral("INSERT INTO Event_to_Meet (Event_Pin,Meet_Pin) VALUES (%1,%2)")
                       .arg(event)
                       .arg(meet));
        const bool relay = type >= 14;
        const bool field = type >= 8 && type <= 13;
        const bool sprint = type <= 3 || type == 7;
        const Range range = kRanges[type];
        const int teams = relay ? 2 : 1;
        const int entries = relay ? 4 : sprint ? 3 + pick(rng, 3) : 2;
        std::vector<qint64> entrants(roster.begin(), roster.end());
        std::shuffle(entrants.begin(), entrants.end(), rng);
        size_t next = 0;
        for (int t = 0; t < teams; ++t) {
            std::vector<double> marks(static_cast<size_t>(relay ? 1 : entries));
            for (double& m : marks)
                m = std::round(std::uniform_real_distribution<double>(range.low, range.high)(rng) *
                               100) /
                    100;
            if (field)
                std::sort(marks.begin(), marks.end(), std::greater<>());
            else
                std::sort(marks.begin(), marks.end());
            int place = 1 + pick(rng, 4) + 2 * t;
            for (int slot = 0; slot < entries; ++slot) {
                const qint64 runner = next < entrants.size() ? entrants[next++] : 0;
                double value = marks[relay ? 0 : static_cast<size_t>(slot)];
                double first = 0, second = 0;
                if (field) {
                    value = std::round(value * 2) / 2; // half inches
                    first = std::floor(value / 12);
                    second = value - first * 12;
                } else {
                    first = std::floor(value / 60);
                    second = std::round((value - first * 60) * 100) / 100;
                }
                if (!relay && slot > 0)
                    place += 1 + pick(rng, 2);
                const int points =
                    place <= 6 ? std::array<int, 6>{10, 8, 6, 4, 2, 1}[place - 1] : 0;
                db.execute(QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin,Runner_Pin,feet,"
                                          "Inches,Minutes,Seconds,Points,Place,RelayTeam) VALUES "
                                          "(%1,%2,%3,%4,%3,%4,%5,%6,%7)")
                               .arg(event)
                               .arg(runner)
                               .arg(first)
                               .arg(second)
                               .arg(points)
                               .arg(place)
                               .arg(t));
            }
        }
    }
}

} // namespace

void LargeTrack::make(const QString& path, Size size, unsigned seed)
{
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(CINDREL_BLANK_MDB), path))
        throw std::runtime_error("cannot copy the empty database");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Connection db;
    db.open(Connection::connectionStringFor(path));
    fill(db, size, seed);
}

void LargeTrack::fill(Connection& db, Size size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<qint64> teams;
    // Each team's girls and boys.
    std::vector<std::array<std::vector<qint64>, 2>> rosters;

    db.transaction([&] {
        for (int t = 0; t < size.teams; ++t) {
            const QString school =
                QString::fromUtf8(kTowns[t % std::size(kTowns)]) + QLatin1Char(' ') +
                QString::fromUtf8(kKinds[(t / std::size(kTowns)) % std::size(kKinds)]);
            db.execute(
                QStringLiteral("INSERT INTO Teams (School, Coach, ContactNo, Mascot) VALUES (") +
                quoted(school) + ',' +
                quoted(QString::fromUtf8(kFirst[pick(rng, std::size(kFirst))]) + ' ' +
                       QString::fromUtf8(kLast[pick(rng, std::size(kLast))])) +
                ',' + quoted(QStringLiteral("555-%1").arg(1000 + t, 4, 10, QLatin1Char('0'))) +
                ',' + quoted(QString::fromUtf8(kMascots[pick(rng, std::size(kMascots))])) + ')');
            teams.push_back(lastInsert(db));
            rosters.emplace_back();
        }

        for (int r = 0; r < size.runners; ++r) {
            const QString name = QString::fromUtf8(kLast[pick(rng, std::size(kLast))]) +
                                 QStringLiteral(", ") +
                                 QString::fromUtf8(kFirst[pick(rng, std::size(kFirst))]);
            const size_t gender = static_cast<size_t>(pick(rng, 2));
            db.execute(QStringLiteral("INSERT INTO Runners (Name, PhoneNumber, Address, Grade, "
                                      "Gender) VALUES (") +
                       quoted(name) + ',' + quoted(QStringLiteral("555-%1").arg(2000 + r)) + ',' +
                       quoted(QStringLiteral("%1 Elm Street").arg(10 + r)) + ',' +
                       QString::number(9 + pick(rng, 4)) + ',' +
                       quoted(gender == 0 ? QStringLiteral("F") : QStringLiteral("M")) + ')');
            const qint64 runner = lastInsert(db);
            const size_t team = static_cast<size_t>(r % size.teams);
            rosters[team][gender].push_back(runner);
            db.execute(
                QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin,Team_Pin) VALUES (%1,%2)")
                    .arg(runner)
                    .arg(teams[team]));
        }

        for (int m = 0; m < size.meets; ++m) {
            const size_t team = static_cast<size_t>(m % size.teams);
            const qint64 host = teams[static_cast<size_t>(pick(rng, size.teams))];
            const QDate date = QDate(2017 + m % 10, 3, 1).addDays(7 * pick(rng, 12) + pick(rng, 6));
            db.execute(QStringLiteral("INSERT INTO Meets (Weather, MeetTime, Place, HostingTeam) "
                                      "VALUES (") +
                       quoted(QString::fromUtf8(kWeather[pick(rng, std::size(kWeather))])) + ',' +
                       quoted(date.toString(Qt::ISODate)) + ',' +
                       quoted(QStringLiteral("Field %1").arg(1 + pick(rng, 30))) + ',' +
                       QString::number(host) + ')');
            const qint64 meet = lastInsert(db);
            db.execute(QStringLiteral("INSERT INTO Meet_to_Team (Meet_Pin,Team_Pin) VALUES (%1,%2)")
                           .arg(meet)
                           .arg(teams[team]));
            // A girls' and a boys' division, each with the team's runners of its gender.
            for (int d = 0; d < 2; ++d) {
                db.execute(QStringLiteral("INSERT INTO Divisions (Meet_Pin, Name, Gender, "
                                          "Position) VALUES (%1, %2, %3, %4)")
                               .arg(meet)
                               .arg(quoted(d == 0 ? QStringLiteral("Girls Varsity")
                                                  : QStringLiteral("Boys Varsity")),
                                    quoted(d == 0 ? QStringLiteral("F") : QStringLiteral("M")))
                               .arg(d));
                addDivision(db, rng, meet, lastInsert(db), rosters[team][size_t(d)]);
            }
        }
        // As officials write them: a third of the individual races timed by hand (to the
        // tenth), a wind reading from -1.5 to +2.5 on every sprint and horizontal jump (the
        // ones over +2.0 wind-aided), and relay splits.
        db.execute(QStringLiteral(
            "UPDATE Event_to_Runner SET Timing = 'h', Seconds = round(Seconds + 0.049, 1), "
            "Inches = round(Inches + 0.049, 1) WHERE Pin % 3 = 0 AND Seconds BETWEEN 0.05 AND "
            "59.9 AND Event_Pin IN (SELECT Pin FROM Events WHERE Type BETWEEN 1 AND 7)"));
        db.execute(QStringLiteral(
            "UPDATE Event_to_Runner SET Wind = ((Pin * 7) % 41 - 15) / 10.0, Aided = "
            "CASE WHEN (Pin * 7) % 41 - 15 > 20 THEN 1 ELSE 0 END WHERE Event_Pin IN "
            "(SELECT Pin FROM Events WHERE Type IN (1, 2, 9, 10))"));
        // Each A team's legs with their splits, around a quarter of the team's time.
        db.execute(QStringLiteral(
            "UPDATE Event_to_Runner SET Split = round((Minutes * 60 + Seconds) / 4 + "
            "((Pin * 13) % 9 - 4) / 10.0, 1) WHERE RelayTeam = 0 AND Runner_Pin <> 0 AND "
            "Minutes * 60 + Seconds > 0 AND Event_Pin IN (SELECT Pin FROM Events WHERE Type "
            "BETWEEN 14 AND 17)"));
    });
}

QString LargeTrack::makeForBench(const QString& folder)
{
    const QString path = folder + QStringLiteral("/Large.mdb");
    make(path, large());
    const QString server = qEnvironmentVariable("CINDREL_BENCH_SERVER");
    if (server.isEmpty()) {
        std::printf("(the database is a file)\n");
        return path;
    }
    const QString address = ServerSchema::createDatabase(
        server, QStringLiteral("cindrel_bench_%1").arg(QCoreApplication::applicationPid()));
    ServerSchema::create(address);
    Connection file;
    file.open(Connection::connectionStringFor(path));
    ServerSchema::copy(file, address);
    std::printf("(the database is on the PostgreSQL server, over a Unix socket)\n");
    return address;
}
