// The records layer on a real file, without a window: what each action sends and leaves.
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "records/Bests.h"
#include "records/CsvText.h"
#include "records/MarkText.h"
#include "records/MeetChangedError.h"
#include "records/MeetSheet.h"
#include "records/ResultsExport.h"
#include "records/RosterFile.h"
#include "records/RosterImport.h"
#include "records/RunnerRecord.h"
#include "records/SchoolYear.h"
#include "records/Scoring.h"
#include "records/TeamRecord.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QTest>

class RecordsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    Connection m_db;
    std::unique_ptr<TrackFixture> m_data;
    QStringList m_sent;
    qint64 m_team = 0, m_ann = 0, m_meet = 0;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_db.open(Connection::connectionStringFor(m_folder->trackDatabase("db/Track.mdb")));
        m_data = std::make_unique<TrackFixture>(m_db);
        m_team = m_data->addTeam("Central");
        m_ann = m_data->addRunner("Adams, Ann", m_team);
        m_meet = m_data->addMeet(m_team, "2026-04-11 15:30:00", m_team, "Field", "Sunny");
        m_sent.clear();
        m_db.setStatementObserver([this](const QString& sql) { m_sent << sql; });
    }
    void cleanup()
    {
        m_db.close();
        m_data.reset();
        m_folder.reset();
    }

    void aTeamsStatementsAreTheOnesGiven()
    {
        TeamRecord team = *TeamRecord::load(m_db, m_team);
        team.coach = QStringLiteral("D'Angelo");
        team.save(m_db);
        const QString t = QString::number(m_team);
        // A server gets the values bound.
        QCOMPARE(m_sent, QStringList({m_db.onServer()
                                          ? "UPDATE Teams SET School = ?, Coach = ?, ContactNo = "
                                            "?, Mascot = ? WHERE Pin = ?"
                                          : "UPDATE Teams Set School='Central',Coach='D''Angelo',"
                                            "ContactNo='',Mascot='' WHERE Pin=" +
                                                t}));
        QCOMPARE(TeamRecord::load(m_db, m_team)->coach, QStringLiteral("D'Angelo"));
        m_sent.clear();
        TeamRecord::remove(m_db, m_team);
        QCOMPARE(m_sent, QStringList({"DELETE FROM Runner_to_Team WHERE Team_Pin=" + t,
                                      "DELETE FROM Meet_to_Team WHERE Team_Pin=" + t,
                                      "DELETE FROM Teams WHERE Pin=" + t}));
        QVERIFY(!TeamRecord::load(m_db, m_team));
    }

    void aRunnerComesBackAsSaved()
    {
        RunnerRecord runner = *RunnerRecord::load(m_db, m_ann);
        QCOMPARE(runner.first, QStringLiteral(" Ann"));
        QCOMPARE(runner.team, std::optional<qint64>(m_team));
        runner.first = QStringLiteral("Ann, B.");
        runner.grade = 11;
        runner.save(m_db);
        const RunnerRecord back = *RunnerRecord::load(m_db, m_ann);
        QCOMPARE(back.first, QStringLiteral(" Ann B."));
        QCOMPARE(back.grade, std::optional<int>(11));
        QCOMPARE(m_data->count("SELECT count(*) FROM Runner_to_Team"), 1);
    }

    // A sheet's round trip: what is saved loads back, the relay's result in each leg with a
    // runner, and an older file's time of day kept with an unchanged date.
    void aMeetSheetComesBackAsSaved()
    {
        MeetSheet sheet = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(sheet.time, QTime(15, 30));
        sheet.divisions[0].first[11].runner = m_ann;
        sheet.divisions[0].first[11].name = QStringLiteral("Adams, Ann");
        sheet.divisions[0].first[11].numbers = {"2", "8", "41", "6"};
        sheet.divisions[0].relays[0].legs[1].runner = m_ann;
        sheet.divisions[0].relays[0].legs[1].name = QStringLiteral("Adams, Ann");
        sheet.divisions[0].relays[0].numbers = {"1", "10", "0", "48.2"};
        QVERIFY(!sheet.check());
        sheet.save(m_db, "Pat Coach");
        // A server takes all the slots in one statement; a file each slot's as it always did.
        if (m_db.onServer())
            QCOMPARE(m_sent.filter(QStringLiteral("UPDATE Event_to_Runner AS s SET")).size(), 1);
        else
            QVERIFY(m_sent.contains(QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = %1,"
                                                   "feet=41,Inches=6,Minutes=41,Seconds=6,"
                                                   "Points=8,Place=2 WHERE Pin=%2")
                                        .arg(m_ann)
                                        .arg(sheet.divisions[0].first[11].join)));
        const MeetSheet back = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(back.divisions[0].first[11].numbers.mark2, QStringLiteral("6"));
        QCOMPARE(back.divisions[0].relays[0].legs[1].name, QStringLiteral("Adams, Ann"));
        QCOMPARE(back.divisions[0].relays[0].numbers.mark2, QStringLiteral("48.2"));
        QCOMPARE(back.time, QTime(15, 30));

        // A problem names where it is; nothing is sent for it.
        sheet.divisions[0].relays[0].numbers.mark2 = QStringLiteral("61");
        const std::optional<MeetSheet::Problem> problem = sheet.check();
        QVERIFY(problem);
        QCOMPARE(problem->event, 13);
        QCOMPARE(problem->box, 3);
        QVERIFY(problem->message.startsWith("400 Meter Relay: the Secs box holds \"61\""));

        MeetSheet::remove(m_db, m_meet);
        QVERIFY(!MeetSheet::load(m_db, m_meet));
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner"), 0);
    }

    // Two coaches with the same sheet open: the second save finds the first's and writes
    // nothing; loaded again, the sheet saves.
    void aSheetSavedSinceItWasLoadedIsNotWrittenOver()
    {
        MeetSheet mine = *MeetSheet::load(m_db, m_meet);
        MeetSheet theirs = *MeetSheet::load(m_db, m_meet);
        theirs.weather = QStringLiteral("Rain");
        theirs.save(m_db, "Lee O'Hara");
        mine.weather = QStringLiteral("Sun");
        try {
            mine.save(m_db, "Pat Coach");
            QFAIL("the second save went through");
        } catch (const MeetChangedError& e) {
            QCOMPARE(e.by(), QStringLiteral("Lee O'Hara"));
            QVERIFY(e.message().startsWith("This meet was changed by Lee O'Hara at "));
        }
        QCOMPARE(MeetSheet::load(m_db, m_meet)->weather, QStringLiteral("Rain"));
        mine = *MeetSheet::load(m_db, m_meet);
        mine.weather = QStringLiteral("Sun");
        mine.save(m_db, "Pat Coach");
        mine.save(m_db, "Pat Coach");
        QCOMPARE(MeetSheet::load(m_db, m_meet)->weather, QStringLiteral("Sun"));
    }

    // A second division, a third entry and a B relay team survive a save and a reload, and
    // go again when taken off; a sheet loaded before a save writes none of its own.
    void divisionsFurtherEntriesAndTeamsComeBackAsSaved()
    {
        const qint64 bo = m_data->addRunner("Brown, Bo", m_team);
        MeetSheet stale = *MeetSheet::load(m_db, m_meet);
        MeetSheet sheet = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(sheet.divisions.size(), 1);
        Division girls = Division::fresh(" Girls Varsity ", "F");
        girls.first[0] = {true, m_ann, 0, "Adams, Ann", {"1", "10", "0", "12.41"}};
        girls.more[0] << SheetEntry{true, bo, 0, "Brown, Bo", {"3", "6", "0", "12.9"}};
        SheetRelay b;
        b.team = -1;
        b.legs[0] = {true, bo, 0, "Brown, Bo", {}};
        b.legs[2] = {true, m_ann, 0, "Adams, Ann", {}};
        b.numbers = {"2", "8", "0", "50.1"};
        girls.moreRelays[0] << b;
        sheet.divisions << girls;
        sheet.divisions[0].more[1] << SheetEntry{true, bo, 0, "Brown, Bo", {"4", "0", "0", "26"}};
        QVERIFY(!sheet.check());
        sheet.save(m_db, "Pat Coach");

        MeetSheet back = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(back.divisions.size(), 2);
        const Division& g = back.divisions[1];
        QCOMPARE(g.name + '|' + g.gender, QStringLiteral("Girls Varsity|F"));
        QCOMPARE(g.first[0].name, QStringLiteral("Adams, Ann"));
        QCOMPARE(g.more[0].size(), 1);
        QCOMPARE(g.more[0][0].numbers.mark2 + ' ' + g.more[0][0].name, "12.9 Brown, Bo");
        QCOMPARE(g.moreRelays[0].size(), 1);
        QCOMPARE(g.moreRelays[0][0].team, 1);
        QCOMPARE(g.moreRelays[0][0].legs[2].name, QStringLiteral("Adams, Ann"));
        QCOMPARE(g.moreRelays[0][0].numbers.mark2, QStringLiteral("50.1"));
        QVERIFY(g.moreRelays[0][0].legs[3].exists && g.moreRelays[0][0].legs[3].name.isEmpty());
        QCOMPARE(back.divisions[0].more[1][0].numbers.place, QStringLiteral("4"));
        QCOMPARE(back.divisions[0].relays[0].legs[0].name, QString());
        QCOMPARE(g.points(), 10 + 6 + 8.0);

        const qint64 slotsBefore = m_data->count("SELECT count(*) FROM Event_to_Runner");
        stale.divisions[0].more[2] << SheetEntry{true, bo, 0, "Brown, Bo", {"1", "0", "0", "58"}};
        QVERIFY_THROWS_EXCEPTION(MeetChangedError, stale.save(m_db, "Lee O'Hara"));
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner"), slotsBefore);

        Division& taken = back.divisions[1];
        taken.dropped << taken.more[0][0].join;
        taken.more[0].clear();
        taken.droppedRelays << std::pair{13, 1};
        taken.moreRelays[0].clear();
        back.save(m_db, "Pat Coach");
        back = *MeetSheet::load(m_db, m_meet);
        QVERIFY(back.divisions[1].more[0].isEmpty() && back.divisions[1].moreRelays[0].isEmpty());
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner"), 2 * (13 * 2 + 16) + 1);
        back.droppedDivisions << back.divisions[1].pin;
        back.divisions.removeAt(1);
        back.save(m_db, "Pat Coach");
        QCOMPARE(m_data->count("SELECT count(*) FROM Divisions"), 1);
        QCOMPARE(m_data->count("SELECT count(*) FROM Events"), 17);
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner"), 13 * 2 + 16 + 1);
    }

    // Names a division cannot have, and runners entered in a division of the other gender.
    void divisionNamesAndGendersAreChecked()
    {
        MeetSheet sheet = *MeetSheet::load(m_db, m_meet);
        QVERIFY(!sheet.badDivisionName(0));
        sheet.divisions << Division::fresh("Boys JV", "M");
        QVERIFY(sheet.badDivisionName(0)->contains("needs a name in the Division box"));
        sheet.divisions[0].name = "boys jv";
        QVERIFY(sheet.badDivisionName(1)->contains("holds \"Boys JV\""));
        sheet.divisions[0].name = "Girls JV";
        sheet.divisions[0].gender = "F";
        sheet.divisions[1].relays[1].legs[2] = {true, m_ann, 0, "Adams, Ann", {}};
        const QList<MeetSheet::Crossing> crossings = sheet.crossings({{m_ann, "F"}});
        QCOMPARE(crossings.size(), 1);
        QCOMPARE(crossings[0].text,
                 QStringLiteral("Boys JV, 800 Meter Relay: Adams, Ann is entered as a girl"));
        QVERIFY(MeetSheet::confirmation({}, crossings).endsWith("girl\n\nSave the meet anyway?"));
    }

    void aSheetNamesItsHalfFilledSlots()
    {
        MeetSheet sheet = *MeetSheet::load(m_db, m_meet);
        sheet.divisions[0].first[0].name = QStringLiteral("Adams, Ann");
        sheet.divisions[0].first[0].numbers = {"2", "8", "0", "0"};
        sheet.divisions[0].second[0].numbers = {"0", "0", "", "12.4"};
        sheet.divisions[0].first[8].name = QStringLiteral("Adams, Ann");
        sheet.divisions[0].first[8].numbers = {"0", "0", "18", "0"};
        sheet.divisions[0].relays[1].numbers = {"1", "0", "1", "40"};
        QStringList texts;
        for (const MeetSheet::Gap& gap : sheet.gaps())
            texts << gap.text;
        QCOMPARE(texts, QStringList({"100 Meter Dash, first entry: Adams, Ann has no mark",
                                     "100 Meter Dash, second entry: results but no runner",
                                     "800 Meter Relay: results but no runner"}));
    }

    void marksAsCoachesWriteThem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("field");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("result"); // "first|second", "plain", "refused"
        QTest::addColumn<QString>("metric");
        QTest::newRow("mile") << "4:32.15" << false << 0 << "4|32.15"
                              << "";
        QTest::newRow("dash in minutes box") << "12.41" << false << 0 << "0|12.41"
                                             << "";
        QTest::newRow("seconds carried") << "72.5" << false << 0 << "1|12.5"
                                         << "";
        QTest::newRow("tenths") << "1:02.7" << false << 0 << "1|2.7"
                                << "";
        QTest::newRow("whole seconds") << "2:05" << false << 1 << "2|5"
                                       << "";
        QTest::newRow("minutes alone") << "4" << false << 0 << "plain"
                                       << "";
        QTest::newRow("seconds alone") << "12.41" << false << 1 << "plain"
                                       << "";
        QTest::newRow("empty") << "" << false << 0 << "plain"
                               << "";
        QTest::newRow("60 seconds") << "4:60" << false << 0 << "refused"
                                    << "";
        QTest::newRow("60 in secs box") << "60" << false << 1 << "refused"
                                        << "";
        QTest::newRow("three parts") << "1:02:03" << false << 0 << "refused"
                                     << "";
        QTest::newRow("letters") << "4m32" << false << 0 << "refused"
                                 << "";
        QTest::newRow("dash form") << "18-06.5" << true << 0 << "18|6.5"
                                   << "";
        QTest::newRow("short dash") << "18-6" << true << 1 << "18|6"
                                    << "";
        QTest::newRow("quotes") << "18' 6.5\"" << true << 0 << "18|6.5"
                                << "";
        QTest::newRow("feet only") << "18'" << true << 0 << "18|0"
                                   << "";
        QTest::newRow("inches carried") << "74\"" << true << 0 << "6|2"
                                        << "";
        QTest::newRow("blank between") << "18 6.5" << true << 0 << "18|6.5"
                                       << "";
        QTest::newRow("metric") << "5.62m" << true << 0 << "18|5.25"
                                << "5.62 m";
        QTest::newRow("metric beyond millimetres") << "1.2192 M" << true << 1 << "refused"
                                                   << "";
        QTest::newRow("metric carry") << "1.219m" << true << 0 << "4|0"
                                      << "1.219 m";
        QTest::newRow("decimal feet stay") << "18.5" << true << 0 << "plain"
                                           << "";
        QTest::newRow("12 inches") << "18-12" << true << 0 << "refused"
                                   << "";
        QTest::newRow("12 in inches box") << "12" << true << 1 << "refused"
                                          << "";
        QTest::newRow("decimal feet in pair") << "18.5-6" << true << 0 << "refused"
                                              << "";
        QTest::newRow("time in field") << "4:32" << true << 0 << "refused"
                                       << "";
        // Notes go with the second half; a plain number keeps them only in its own box.
        QTest::newRow("hand time") << "12.4h" << false << 0 << "0|12.4h"
                                   << "";
        QTest::newRow("hand minutes") << "1:02.7 h" << false << 0 << "1|2.7h"
                                      << "";
        QTest::newRow("hand in secs box") << "12.4h" << false << 1 << "plain"
                                          << "";
        QTest::newRow("hand and wind") << "12.4h +1.8" << false << 0 << "0|12.4h +1.8"
                                       << "";
        QTest::newRow("wind on a jump") << "18-06.5 -0.4" << true << 0 << "18|6.5 -0.4"
                                        << "";
        QTest::newRow("aided metric") << "5.62m w" << true << 0 << "18|5.25 w"
                                      << "5.62 m";
        QTest::newRow("hand field mark") << "18-06h" << true << 0 << "refused"
                                         << "";
        QTest::newRow("unsigned reading is inches") << "18 6.5" << true << 0 << "18|6.5"
                                                    << "";
        QTest::newRow("notes on minutes alone") << "4h" << false << 0 << "refused"
                                                << "";
        QTest::newRow("no note") << "12.4x" << false << 1 << "refused"
                                 << "";
    }
    void marksAsCoachesWriteThem()
    {
        QFETCH(QString, typed);
        QFETCH(bool, field);
        QFETCH(int, box);
        QFETCH(QString, result);
        const MarkText mark = MarkText::read(typed, field, box);
        const QString got = mark.kind == MarkText::Kind::Plain     ? QStringLiteral("plain")
                            : mark.kind == MarkText::Kind::Refused ? QStringLiteral("refused")
                                                                   : mark.first + '|' + mark.second;
        QCOMPARE(got, result);
        QTEST(mark.metric, "metric");
    }

    void bests_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("marks"); // value@year, in the order of their meets
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("bests"); // the PR, then each season's best, newest first
        QTest::newRow("a run: lower is better")
            << 1 << "12.5@2025 12.1@2025 12.3@2026 11.9@2026 11.9@2026"
            << "PR PR SB PR -"
            << "11.9 2026:11.9 2025:12.1";
        QTest::newRow("a field event: higher is better")
            << 9 << "200@2025 210@2025 205@2026 205@2026 190@2026"
            << "PR PR SB - -"
            << "210 2026:205 2025:210";
        QTest::newRow("a tie is no new best") << 14 << "45@2026 45@2026"
                                              << "PR -"
                                              << "45 2026:45";
    }
    void bests()
    {
        QFETCH(int, type);
        QFETCH(QString, marks);
        QList<Bests::Mark> list;
        qint64 join = 0;
        for (const QString& m : marks.split(' ')) {
            Bests::Mark mark;
            mark.type = type;
            mark.value = m.section('@', 0, 0).toDouble();
            mark.date = QDate(m.section('@', 1).toInt(), 4, 1).addDays(join);
            mark.join = ++join;
            list << mark;
        }
        const QHash<qint64, Bests::Flag> flags = Bests::flags(list);
        QStringList got;
        for (const Bests::Mark& m : list)
            got << QStringList{"-", "PR", "SB"}.at(int(flags.value(m.join)));
        QTEST(got.join(' '), "flags");
        const Bests::Event event = Bests::of(list).value(type);
        QStringList bests{QString::number(event.pr.value)};
        for (const Bests::Mark& sb : event.seasonBests)
            bests << QString::number(sb.date.year()) + ':' + QString::number(sb.value);
        QTEST(bests.join(' '), "bests");
    }

    void aRunnersMarksComeFromTheFile()
    {
        m_data->fillSlot(m_data->slotPins(m_meet, 1)[0], m_ann, 0, 12.4, 1, 10);
        m_data->fillSlot(m_data->slotPins(m_meet, 14)[2], m_ann, 0, 48.2, 1, 10);
        // A slot of the runner without a mark does not count.
        m_data->fillSlot(m_data->slotPins(m_meet, 9)[0], m_ann, 0, 0, 0, 0);
        QStringList got;
        for (const Bests::Mark& m : Bests::marksOf(m_db, m_ann))
            got << QString::number(m.type) + '=' + QString::number(m.value) + ' ' + m.text;
        QCOMPARE(got, QStringList({"1=12.4 12.40", "14=48.2 48.20"}));
    }

    void aMeetsFlagsAreAsOfThatMeet()
    {
        const qint64 later = m_data->addMeet(m_team, "2026-05-02");
        const qint64 bo = m_data->addRunner("Brown, Bo", m_team);
        const qint64 first = m_data->slotPins(m_meet, 1)[0], second = m_data->slotPins(later, 1)[0];
        m_data->fillSlot(first, m_ann, 0, 12.4, 1, 10);
        m_data->fillSlot(second, m_ann, 0, 12.2, 1, 10);
        m_data->fillSlot(m_data->slotPins(later, 1)[1], bo, 0, 0, 0, 0);
        m_data->fillSlot(m_data->slotPins(m_meet, 9)[0], m_ann, 18, 2, 1, 10);
        m_data->fillSlot(m_data->slotPins(later, 9)[0], m_ann, 17, 11, 2, 8);
        const QHash<qint64, Bests::Flag> flags = Bests::flagsOfMeet(m_db, later);
        // The earlier PR stays a PR; a slot without a mark has no flag.
        QCOMPARE(flags.value(first), Bests::Flag::PR);
        QCOMPARE(flags.value(second), Bests::Flag::PR);
        QCOMPARE(flags.value(m_data->slotPins(later, 9)[0]), Bests::Flag::None);
        QVERIFY(!flags.contains(m_data->slotPins(later, 1)[1]));
    }

    void rostersAsOfficesSendThem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // last|first|grade|class|phone|address per runner
        QTest::addColumn<QString>("problems");
        QTest::newRow("UTF-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "First,Last,Grade\r\nAnn,Adams,9\r\n")
            << "Adams|Ann|9|||"
            << "";
        QTest::newRow("Windows-1252, a Name column, semicolons")
            << QByteArray("name;GRADE\nN\xfa\xf1"
                          "ez, Jos\xe9;10\n")
            << "N\u00fa\u00f1ez|Jos\u00e9|10|||"
            << "";
        QTest::newRow("pasted from a spreadsheet, any case and order")
            << QByteArray("PHONE\tlast name\tFirst Name\tClass Of\n555-0101\tD\xc3\xad"
                          "az\tDee\t2028\n")
            << "D\u00edaz|Dee||2028|555-0101|"
            << "";
        QTest::newRow("quotes, commas and braces")
            << QByteArray(
                   "Last,First,Address\n\"O'Neil, Jr.\",Sam {x},\"1 \"\"Elm\"\" St,\nApt 2\"\n")
            << "O'Neil, Jr.|Sam {x}||||1 \"Elm\" St,\nApt 2"
            << "";
        QTest::newRow("rows that cannot be taken")
            << QByteArray("First,Last,Grade\nAnn,Adams,x\n,,9\nBo,Brown,10,extra\n\nCy,Cole,12\n")
            << "Cole|Cy|12|||"
            << "Line 2: the grade \"x\" is not a whole number from 1 to 12.|Line 3: no name.|"
               "Line 4: 4 values, but the first line names 3 columns (a comma outside quotes?).";
        QTest::newRow("a broken quote") << QByteArray("First,Last\nAnn,\"Adams\nBo,Brown\n") << ""
                                        << "Line 2 opens a quote";
        QTest::newRow("no name column") << QByteArray("Grade,Phone\n9,555\n") << ""
                                        << "The first line names no column";
        QTest::newRow("not text") << QByteArray("PK\x03\x04\0\0binary", 12) << ""
                                  << "The file is not text";
    }
    void rostersAsOfficesSendThem()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problems);
        const RosterFile roster = RosterFile::read(file);
        QStringList read;
        for (const RosterFile::Runner& r : roster.runners)
            read << QStringList{r.last,
                                r.first,
                                r.grade ? QString::number(*r.grade) : QString(),
                                r.classOf ? QString::number(*r.classOf) : QString(),
                                r.phone,
                                r.address}
                        .join('|');
        QTEST(read.join('/'), "read");
        if (roster.error.isEmpty())
            QCOMPARE(roster.problems.join('|'), problems);
        else
            QVERIFY2(roster.error.startsWith(problems), qPrintable(roster.error));
        // What an export writes, a roster reads back.
        QString again = CsvText::line(RosterFile::header());
        for (const RosterFile::Runner& r : roster.runners)
            again += CsvText::line({r.last, r.first, r.grade ? QString::number(*r.grade) : "",
                                    r.classOf ? QString::number(*r.classOf) : "", r.gender, r.phone,
                                    r.address});
        QCOMPARE(RosterFile::readText(again).runners.size(), roster.runners.size());
    }

    void aRosterGoesInWholeAndComesBackTheSame()
    {
        const RosterFile roster =
            RosterFile::read("Name,Grade,Class of,Gender,Phone,Address\n"
                             "\"Adams, Ann\",11,,F,,\n" // already in the team
                             "\"Brown, Bo\",,2029,M,555-0102,\"2 Oak, Apt 1\"\n"
                             "\"brown,  bo\",9,,,,\n" // twice in the file
                             "\"D\xc3\xad"
                             "az, Dee\",12,,F,,\n");
        const RosterImport import = RosterImport::plan(m_db, m_team, roster);
        QCOMPARE(import.added.size(), 2);
        QCOMPARE(import.present.size(), 2);
        import.apply(m_db, m_team);
        const QString exported = RosterImport::exportTeam(m_db, m_team);
        QCOMPARE(exported, QString("Last,First,Grade,Class of,Gender,Phone,Address\r\n"
                                   "Adams,Ann,,,,,\r\n"
                                   "Brown,Bo,,2029,M,555-0102,\"2 Oak, Apt 1\"\r\n"
                                   "D\u00edaz,Dee,12,,F,,\r\n"));
        // Into an empty team and out again: the same file.
        const qint64 other = m_data->addTeam("North");
        RosterImport::plan(m_db, other, RosterFile::readText(exported)).apply(m_db, other);
        QCOMPARE(RosterImport::exportTeam(m_db, other), exported);
        // A row the database refuses leaves the team as it was: the rows before it go too.
        const qint64 lake = m_data->addTeam("Lake");
        if (m_db.onServer()) {
            m_db.execute("CREATE FUNCTION refuse() RETURNS trigger AS $$ BEGIN IF NEW.Name LIKE "
                         "'D%' THEN RAISE EXCEPTION 'refused'; END IF; RETURN NEW; END $$ "
                         "LANGUAGE plpgsql");
            m_db.execute("CREATE TRIGGER no_dee BEFORE INSERT ON Runners FOR EACH ROW EXECUTE "
                         "FUNCTION refuse()");
        } else {
            m_db.execute("CREATE TRIGGER no_dee BEFORE INSERT ON Runners WHEN NEW.Name LIKE 'D%' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 RosterImport::plan(m_db, lake, roster).apply(m_db, lake));
        QCOMPARE(RosterImport::exportTeam(m_db, lake),
                 QString("Last,First,Grade,Class of,Gender,Phone,Address\r\n"));
    }

    void resultsGoOutARowPerRunner()
    {
        m_data->fillSlot(m_data->slotPins(m_meet, 5)[0], m_ann, 4, 32.15, 1, 10);
        const qint64 jumped = m_data->slotPins(m_meet, 9)[1];
        m_data->fillSlot(jumped, m_ann, 18, 6.5, 2, 8);
        const qint64 old = m_data->addMeet(m_team, "2025-04-11");
        const qint64 dashed = m_data->slotPins(old, 1)[0];
        m_data->fillSlot(dashed, m_ann, 0, 12.4, 3, 6);
        // A hand time, and a jump's wind.
        m_db.execute("UPDATE Event_to_Runner SET Timing = 'h' WHERE Pin = ?", {dashed});
        m_db.execute("UPDATE Event_to_Runner SET Wind = 1.2 WHERE Pin = ?", {jumped});
        const QString header = "Date,Host,Meet place,Event,Athlete,Team,Mark,Mark value,Place,"
                               "Points,Division,Gender,Timing,Wind,Converted\r\n";
        const QString mile = "2026-04-11,Central,Field,1600 Meter Run,\"Adams, Ann\",Central,"
                             "4:32.15,272.15,1,10,,,auto,,\r\n";
        const QString jump = "2026-04-11,Central,Field,Long Jump,\"Adams, Ann\",Central,18-06.50,"
                             "222.50,2,8,,,,+1.2,\r\n";
        auto dash = [](const QString& division) {
            return "2025-04-11,,,100 Meter Dash,\"Adams, Ann\",Central,12.40,12.40,3,6," +
                   division + ",hand,,12.64\r\n";
        };
        QCOMPARE(ResultsExport::csv(m_db, {m_meet, std::nullopt}), header + mile + jump);
        QCOMPARE(ResultsExport::csv(m_db, {std::nullopt, 2025}), header + dash(","));
        QCOMPARE(ResultsExport::csv(m_db, {}), header + dash(",") + mile + jump);
        // What a spreadsheet makes of it: fifteen columns a row.
        const CsvText::Table table = CsvText::read(ResultsExport::csv(m_db, {}));
        QCOMPARE(table.rows.size(), 4);
        for (const CsvText::Row& row : table.rows)
            QCOMPARE(row.fields.size(), 15);
        // A third entry and a B relay team of a girls' division go out with the rest.
        MeetSheet sheet = *MeetSheet::load(m_db, old);
        sheet.divisions[0].name = "Girls JV";
        sheet.divisions[0].gender = "F";
        sheet.divisions[0].more[0]
            << SheetEntry{true, m_ann, 0, "Adams, Ann", {"5", "0", "0", "13"}};
        SheetRelay b;
        b.team = -1;
        b.legs[3] = {true, m_ann, 0, "Adams, Ann", {}};
        b.numbers = {"4", "1", "1", "2.5"};
        sheet.divisions[0].moreRelays[0] << b;
        sheet.save(m_db, "Pat Coach");
        QCOMPARE(
            ResultsExport::csv(m_db, {std::nullopt, 2025}),
            header + dash("Girls JV,F") +
                "2025-04-11,,,100 Meter Dash,\"Adams, Ann\",Central,13.00,13.00,5,0,Girls JV,"
                "F,auto,,\r\n2025-04-11,,,400 Meter Relay,\"Adams, Ann\",Central,1:02.50,62.50,"
                "4,1,Girls JV,F,auto,,\r\n");
    }

    void gradesFollowTheSchoolYear_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("classOf");
        QTest::addColumn<int>("grade"); // 0: graduated
        QTest::newRow("senior in the fall") << QDate(2026, 12, 7) << 2027 << 12;
        QTest::newRow("freshman in the fall") << QDate(2026, 12, 7) << 2030 << 9;
        QTest::newRow("senior in the spring") << QDate(2027, 5, 30) << 2027 << 12;
        QTest::newRow("graduated over the summer") << QDate(2027, 7, 31) << 2026 << 0;
        QTest::newRow("a new year on 1 August") << QDate(2027, 8, 1) << 2027 << 0;
        QTest::newRow("and a grade up") << QDate(2027, 8, 1) << 2028 << 12;
    }
    void gradesFollowTheSchoolYear()
    {
        QFETCH(QDate, day);
        QFETCH(int, classOf);
        QFETCH(int, grade);
        QCOMPARE(SchoolYear::grade(classOf, day).value_or(0), grade);
        QCOMPARE(SchoolYear::graduated(classOf, day), grade == 0);
        if (grade)
            QCOMPARE(SchoolYear::classOf(grade, day), classOf);
    }

    void pointsFromPlaces_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("individual"); // for places 1 to 7, then 0
        QTest::addColumn<QString>("relay");
        QTest::newRow("invitational") << int(Scoring::Table::Invitational) << "10 8 6 4 2 1 0 -"
                                      << "10 8 6 4 2 1 0 -";
        QTest::newRow("dual") << int(Scoring::Table::Dual) << "5 3 1 0 0 0 0 -"
                              << "5 0 0 0 0 0 0 -";
        QTest::newRow("none") << int(Scoring::Table::None) << "- - - - - - - -"
                              << "- - - - - - - -";
    }
    void pointsFromPlaces()
    {
        QFETCH(int, table);
        for (bool relay : {false, true}) {
            QStringList got;
            for (const char* place : {"1", "2", "3", "4", "5", "6", "7", "0"})
                got << Scoring::points(Scoring::Table(table), place, relay).value_or("-");
            QTEST(got.join(' '), relay ? "relay" : "individual");
        }
    }
};

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"
