// A host's results file brought into a team's meet, on a real database: athletes matched to
// the roster whatever the writing, each format written onto the sheet and printed back, and a
// second import that changes nothing.
#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/CsvText.h"
#include "records/EntriesExport.h"
#include "records/ResultsImport.h"
#include "reports/MeetReport.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QTest>

namespace {

QList<AthleteMatch::Runner> roster()
{
    const struct
    {
        qint64 pin;
        const char* name;
        const char* gender;
        int grade;
    } rows[] = {{1, "Baptiste, Ana", "F", 11},      {2, "Dubois, L\u00e9a", "F", 10},
                {3, "Smith-Jones, Mary", "F", 11},  {4, "O'Brien, Kate", "F", 9},
                {5, "Nguyen, Thi", "F", 12},        {6, "Lee, Al", "M", 12},
                {7, "Lee, Alice", "F", 10},         {8, "Garcia, Jonah", "M", 11},
                {9, "Garcia, Jose", "M", 9},        {10, "De La Cruz, Maria", "F", 11},
                {11, "Kim, Jo", "M", 10},           {12, "Kim, Jo", "F", 12},
                {13, "Park, Christopher", "M", 12}, {14, "Walker, Sam", "M", 10},
                {15, "Ramirez, Luis", "M", 10},     {16, "Ramirez, Luis", "M", 12},
                {17, "Okafor, Grace", "F", 9},      {18, "M\u00fcller, J\u00fcrgen", "M", 11}};
    QList<AthleteMatch::Runner> runners;
    for (const auto& r : rows)
        runners.append({r.pin, QString::fromUtf8(r.name), r.gender, r.grade});
    return runners;
}

// A girls' 100 m, long jump and 4 x 100 m, and a boys' 1600 m, in the three formats.
const char* const kListing =
    "Central Invitational - 4/11/2026\n"
    "Girls 100 Meter Dash\n"
    "  1 Baptiste, Ana             11 Central High          12.41  +1.8  10\n"
    "  2 Dubois, Lea               10 North Valley          12.52  +1.8   8\n"
    "  3 Thi Nguyen                12 Central High          12.4h  +1.8   6\n"
    "Girls Long Jump\n"
    "  1 Smith Jones, Mary         11 Central High       18-06.50  +2.4  10\n"
    "Girls 4x100 Meter Relay\n"
    "  1 Central High  'A'                                  50.12   10\n"
    "     1) Baptiste, Ana 11 12.6    2) Smith-Jones, Mary 11 12.4\n"
    "     3) Perez, Sofia 11          4) Nguyen, Thi 12\n"
    "Boys 1600 Meter Run\n"
    "  2 Adams, Bo                 12 Central High        4:32.15         8\n";
const char* const kCsv =
    "Event,Gender,Place,Last,First,Grade,Team,Mark,Wind,Points,Leg 1,Leg 2,Leg 3,Leg 4,Split 1,"
    "Split 2\n"
    "100 Meter Dash,F,1,Baptiste,Ana,11,Central High,12.41,+1.8,10,,,,,,\n"
    "100 Meter Dash,F,2,Dubois,Lea,10,North Valley,12.52,+1.8,8,,,,,,\n"
    "100 Meter Dash,F,3,Nguyen,Thi,12,Central High,12.4h,+1.8,6,,,,,,\n"
    "Long Jump,F,1,Smith Jones,Mary,11,Central High,18-06.50,+2.4,10,,,,,,\n"
    "4x100 Meter Relay,F,1,,,,Central High,50.12,,10,\"Baptiste, Ana\",\"Smith-Jones, Mary\","
    "\"Perez, Sofia\",\"Nguyen, Thi\",12.6,12.4\n"
    "1600 Meter Run,M,2,Adams,Bo,12,Central High,4:32.15,,8,,,,,,\n";
const char* const kSemicolon =
    "H;Central Invitational;04/11/2026;04/11/2026;Central High\n"
    "E;1;F;100 Meter Dash;1;Baptiste;Ana;11;Central High;12.41;+1.8;10\n"
    "E;1;F;100 Meter Dash;2;Dubois;Lea;10;North Valley;12.52;+1.8;8\n"
    "E;1;F;100 Meter Dash;3;Nguyen;Thi;12;Central High;12.4h;+1.8;6\n"
    "E;9;F;Long Jump;1;Smith Jones;Mary;11;Central High;18-06.50;+2.4;10\n"
    "E;5;M;1600 Meter Run;2;Adams;Bo;12;Central High;4:32.15;;8\n"
    "R;14;F;4x100 Meter Relay;1;Central High;A;50.12;10;Baptiste;Ana;12.6;Smith-Jones;Mary;"
    "12.4;Perez;Sofia;;Nguyen;Thi;\n"
    "R;14;F;4x100 Meter Relay;2;North Valley;A;51.30;8;Okafor;Grace;;Lee;Al;;Ray;Su;;Day;Di;\n";

} // namespace

class ResultsImportTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<AppContext> m_app;
    std::unique_ptr<TrackFixture> m_data;
    qint64 m_team = 0, m_meet = 0;

    Connection& db() { return m_app->connection(); }
    QString report()
    {
        QStringList values;
        const Report built = MeetReport::build(*m_app, m_meet);
        for (const auto& [placeholder, value] : built.replacements())
            for (const char* wanted :
                 {"<RUNNER100>", "<TIME100>", "<2RUNNER100>", "<2TIME100>", "<RUNNERLONGJUMP>",
                  "<TIMELONGJUMP>", "<1RUNNER400>", "<TIME400RELAY>", "<4RUNNER400>",
                  "<RUNNER1600>", "<TIME1600>"})
                if (placeholder == QLatin1String(wanted))
                    values << value;
        return values.join(QLatin1Char('|'));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_app = std::make_unique<AppContext>();
        db().open(Connection::connectionStringFor(m_folder->trackDatabase("db/Track.mdb")));
        m_data = std::make_unique<TrackFixture>(db());
        m_team = m_data->addTeam("Central High School");
        m_data->addTeam("North Valley");
        for (const char* name : {"Baptiste, Ana", "Smith-Jones, Mary", "Perez, Sofia", "Adams, Bo"})
            m_data->addRunner(QString::fromLatin1(name), m_team);
        m_meet = m_data->addMeet(m_team, "2026-04-11");
    }
    void cleanup()
    {
        db().close();
        m_data.reset();
        m_app.reset();
        m_folder.reset();
    }

    void namesMatchWhateverTheWriting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gender");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("found"); // Pins, or "none"
        const struct
        {
            const char* name;
            const char* gender;
            int grade;
            const char* found;
        } rows[] = {{"Baptiste, Ana", "", 0, "1"},
                    {"BAPTISTE, ANA", "", 0, "1"},
                    {"baptiste, ana", "", 0, "1"},
                    {"Ana Baptiste", "", 0, "1"},
                    {"Baptiste Ana", "", 0, "1"},
                    {"Baptiste, Ana M.", "", 0, "1"},
                    {"Ana M. Baptiste", "", 0, "1"},
                    {"Baptiste, A.", "", 0, "1"},
                    {"A Baptiste", "", 0, "1"},
                    {"Baptiste,Ana", "", 0, "1"},
                    {"  Baptiste ,  Ana ", "", 0, "1"},
                    {"Dubois, Lea", "", 0, "2"},
                    {"L\u00e9a Dubois", "", 0, "2"},
                    {"DUBOIS, L\u00c9A", "", 0, "2"},
                    {"Smith-Jones, Mary", "", 0, "3"},
                    {"Smith Jones, Mary", "", 0, "3"},
                    {"Mary Smith-Jones", "", 0, "3"},
                    {"SmithJones, Mary", "", 0, "3"},
                    {"O'Brien, Kate", "", 0, "4"},
                    {"OBrien, Kate", "", 0, "4"},
                    {"O\u2019Brien, Kate", "", 0, "4"},
                    {"Kate O'Brien", "", 0, "4"},
                    {"Nguyen, Thi", "", 0, "5"},
                    {"Thi Nguyen", "", 0, "5"},
                    {"Lee, Al", "", 0, "6"},
                    {"Lee, Alice", "", 0, "7"},
                    {"Al Lee", "", 0, "6"},
                    {"Lee, A.", "F", 0, "7"},
                    {"Lee, A.", "", 0, "6 7"},
                    {"Garcia, Jonah", "", 0, "8"},
                    {"Garcia, J.", "M", 9, "9"},
                    {"Garcia, J.", "M", 0, "8 9"},
                    {"Maria De La Cruz", "", 0, "10"},
                    {"De La Cruz, Maria", "", 0, "10"},
                    {"Delacruz, Maria", "", 0, "10"},
                    {"Kim, Jo", "F", 0, "12"},
                    {"Kim, Jo", "M", 0, "11"},
                    {"Kim, Jo", "", 0, "11 12"},
                    {"Park, Chris", "", 0, "13"},
                    {"Park, Christopher", "", 0, "13"},
                    {"Sam Walker Jr.", "", 0, "14"},
                    {"Walker, Sam Jr", "", 0, "14"},
                    {"Walker Jr., Sam", "", 0, "14"},
                    {"Ramirez, Luis", "M", 12, "16"},
                    {"Ramirez, Luis", "M", 11, "15 16"},
                    {"Okafor, Grace", "", 0, "17"},
                    {"Muller, Jurgen", "", 0, "18"},
                    {"Mueller, Juergen", "", 0, "none"},
                    {"Baptiste, Anna", "", 0, "none"},
                    {"Smith, John", "", 0, "none"},
                    {"Dubois", "", 0, "none"},
                    {"", "", 0, "none"}};
        for (const auto& r : rows)
            QTest::newRow(r.name[0] ? r.name : "empty")
                << QString::fromUtf8(r.name) << r.gender << r.grade << r.found;
    }
    void namesMatchWhateverTheWriting()
    {
        QFETCH(QString, name);
        QFETCH(QString, gender);
        QFETCH(int, grade);
        const AthleteMatch::Found found = AthleteMatch::find(
            roster(), name, gender, grade ? std::optional<int>(grade) : std::nullopt);
        QStringList pins;
        for (const qint64 pin : found.runners)
            pins << QString::number(pin);
        QTEST(pins.isEmpty() ? QStringLiteral("none") : pins.join(' '), "found");
    }

    // A name as a new runner's is stored.
    void storedNames_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::newRow("last, first") << "Nguyen,  Thi"
                                     << "Nguyen, Thi";
        QTest::newRow("first last") << "Thi Nguyen"
                                    << "Nguyen, Thi";
        QTest::newRow("a suffix") << "Sam Walker Jr."
                                  << "Walker Jr., Sam";
        QTest::newRow("one name") << "Pele"
                                  << "Pele";
    }
    void storedNames()
    {
        QFETCH(QString, written);
        QTEST(AthleteMatch::stored(written), "stored");
    }

    void eachFormatComesInOnceAndPrints_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("listing") << QByteArray(kListing);
        QTest::newRow("csv") << QByteArray(kCsv);
        QTest::newRow("semicolon") << QByteArray(kSemicolon);
    }
    void eachFormatComesInOnceAndPrints()
    {
        QFETCH(QByteArray, bytes);
        const ResultsFile file = ResultsFile::read(bytes);
        QCOMPARE(file.error, QString());
        const QString school = ResultsImport::bestSchool(file.schools(), "Central High School");
        QCOMPARE(school, QStringLiteral("Central High"));
        auto plan = [&] {
            return ResultsImport::plan(file, school,
                                       ResultsImport::rosterOf(db(), m_team, QDate(2026, 4, 11)));
        };
        const ResultsImport first = plan();
        const ResultsImport::Preview preview = first.preview(MeetSheet::load(db(), m_meet));
        QCOMPARE(preview.changes, 5);
        QCOMPARE(preview.replaced, 0);
        // The one athlete not on the roster is added, with the file's grade and gender.
        const QStringList asked = first.questions(preview);
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().contains("Nguyen") &&
                     asked.first().endsWith("matches no runner of the team: added to the roster"),
                 qPrintable(asked.first()));
        QCOMPARE(first.write(db(), m_team, m_meet, "test"), std::pair(m_meet, true));
        QCOMPARE(m_data->count("SELECT count(*) FROM Runners WHERE Name = 'Nguyen, Thi' AND "
                               "Gender = 'F' AND ClassOf = 2026"),
                 1);
        // Read back as the meet report prints them: the wind after the points, the splits
        // under the relay.
        QCOMPARE(report(),
                 QStringLiteral("Baptiste, Ana PR|12.41|Nguyen, Thi PR|12.4h|Adams, Bo "
                                "PR|4:32.15|Smith-Jones, Mary|18-06.50w|Baptiste, Ana|"
                                "50.12|Nguyen, Thi\\line \\tab Splits: 12.6, 12.4, -, -"));
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner WHERE Split = 12.4"), 1);

        // Again: the same file finds everything in place.
        const ResultsImport second = plan();
        QVERIFY(second.questions(second.preview(MeetSheet::load(db(), m_meet))).isEmpty());
        QCOMPARE(second.write(db(), m_team, m_meet, "test"), std::pair(m_meet, false));

        // A mark typed since is named before the file replaces it.
        MeetSheet typed = *MeetSheet::load(db(), m_meet);
        typed.divisions[0].first[0].numbers.mark2 = "12.38";
        typed.save(db(), "coach");
        const ResultsImport third = plan();
        const ResultsImport::Preview again = third.preview(MeetSheet::load(db(), m_meet));
        QCOMPARE(again.replaced, 1);
        QVERIFY(third.questions(again).first().contains("replaces place 1, 10 points, 12.38 +1.8"));
    }

    void aNewMeetFromTheFile()
    {
        const ResultsFile file = ResultsFile::read(kListing);
        const ResultsImport plan = ResultsImport::plan(
            file, "Central High", ResultsImport::rosterOf(db(), m_team, file.date));
        const auto [meet, changed] = plan.write(db(), m_team, std::nullopt, "test");
        QVERIFY(changed && meet != m_meet);
        const MeetSheet sheet = *MeetSheet::load(db(), meet);
        QCOMPARE(sheet.date, QDate(2026, 4, 11));
        QCOMPARE(sheet.place, QStringLiteral("Central Invitational"));
        QCOMPARE(sheet.weather, QString());
        QStringList divisions;
        for (const Division& d : sheet.divisions)
            divisions << d.name + '/' + d.gender;
        QCOMPARE(divisions, QStringList({"Girls/F", "Boys/M"}));
        QCOMPARE(sheet.divisions[1].first[4].name, QStringLiteral("Adams, Bo"));
        // The same file again finds the meet it made.
        QCOMPARE(ResultsImport::madeBefore(db(), m_team, file), meet);
        const ResultsImport again = ResultsImport::plan(
            file, "Central High", ResultsImport::rosterOf(db(), m_team, file.date));
        QCOMPARE(again.write(db(), m_team, meet, "test"), std::pair(meet, false));
    }

    // What the file holds that is not written as it stands is said, with its line.
    void oddResultsAreSaid()
    {
        const ResultsFile file = ResultsFile::read(
            "Girls 100 Meter Dash\n"
            "  1 Baptiste, Ana  11 Central High  12.41\n"
            "  2 Baptiste, Ana  11 Central High  12.52\n"
            "  3 Perez, Sofia   11 Central High  SCR\n"
            "Girls 4x100 Meter Relay\n"
            "  1 Central High  'B'  50.12  10\n"
            "     1) Baptiste, Ana 11   2) Perez, Sofia 11   3) Smith-Jones, Mary 11\n");
        const ResultsImport plan = ResultsImport::plan(
            file, "Central High", ResultsImport::rosterOf(db(), m_team, QDate(2026, 4, 11)));
        const ResultsImport::Preview p = plan.preview(MeetSheet::load(db(), m_meet));
        QStringList left;
        for (const ImportProblem& l : p.left)
            left << QString::number(l.line) + ": " + l.text;
        QCOMPARE(left, QStringList({"3: Baptiste, Ana stands twice in the Girls 100 Meter Dash: "
                                    "only the first is written",
                                    "4: Perez, Sofia was scratched from the Girls 100 Meter Dash: "
                                    "not written",
                                    "6: the Girls 4x100 Meter Relay of Central High names 3 legs "
                                    "of 4"}));
        QCOMPARE(p.rows.size(), 2);
        QCOMPARE(p.rows[1].where, QStringLiteral("400 Meter Relay, B team"));
    }

    // The entries a host's program takes before the meet, written and read back: athletes by
    // number, each entry with its seed (the season's best before the meet), a relay's legs.
    void entriesGoOutAndComeBackTheSame()
    {
        const qint64 ann = m_data->addRunner("Lopez, Ann", m_team);
        const qint64 bo = m_data->addRunner("Adams, Bo", m_team);
        const qint64 earlier = m_data->addMeet(m_team, "2026-03-28");
        m_data->fillSlot(m_data->slotPins(earlier, 1)[0], ann, 0, 12.71);
        m_data->fillSlot(m_data->slotPins(m_data->addMeet(m_team, "2025-04-01"), 1)[0], ann, 0,
                         12.5);
        m_data->fillSlot(m_data->slotPins(m_meet, 1)[0], ann, 0, 0);
        m_data->fillSlot(m_data->slotPins(m_meet, 9)[0], bo, 0, 0);
        const QList<qint64> legs = m_data->slotPins(m_meet, 14);
        m_data->fillSlot(legs[0], ann, 0, 0);
        m_data->fillSlot(legs[1], bo, 0, 0);
        const EntriesExport entries = EntriesExport::of(db(), m_meet);
        QStringList read;
        for (const QString& line : entries.semicolon().split("\r\n", Qt::SkipEmptyParts)) {
            const QStringList f = line.split(';');
            if (f[0] == "A")
                read << f[0] + ' ' + f[2] + ", " + f[3] + (f[1].toLongLong() == ann ? " #ann" : "");
            else if (f[0] == "E")
                read << f[0] + ' ' + f[2] + ' ' + f[6] + (f[1].toLongLong() == ann ? " #ann" : "");
            else if (f[0] == "R")
                read << f[0] + ' ' + f[2] + ' ' + f[3] + ' ' + f.mid(8).join(',');
        }
        QCOMPARE(read, QStringList({"A Lopez, Ann #ann", "A Adams, Bo",
                                    "E 100 Meter Dash 12.71 #ann", "E Long Jump ",
                                    QStringLiteral("R A 400 Meter Relay %1,%2").arg(ann).arg(bo)}));
        const CsvText::Table csv = CsvText::read(entries.csv());
        QCOMPARE(csv.rows.size(), 4);
        QCOMPARE(csv.rows[1].fields.mid(0, 8),
                 QStringList({"100 Meter Dash", "", "", "Lopez", "Ann", "", "Central High School",
                              "12.71"}));
        QCOMPARE(csv.rows[3].fields.mid(8), QStringList({"A", "Lopez, Ann", "Adams, Bo", "", ""}));
    }
};

QTEST_MAIN(ResultsImportTest)
#include "tst_results_import.moc"
