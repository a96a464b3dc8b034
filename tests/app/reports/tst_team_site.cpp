// A team's top lists and website on a real database: who is listed and where, what a page may
// never hold, and the site as a browser sees it when Chromium is installed.
#include "records/Bests.h"
#include "records/PublishedName.h"
#include "records/RunnerRecord.h"
#include "records/TopMarks.h"
#include "reports/ReportError.h"
#include "reports/RunnerReport.h"
#include "reports/SitePublisher.h"
#include "reports/TopListReport.h"
#include "support/AppHarness.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TeamSiteTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppHarness> h;
    qint64 m_team = 0, m_ann = 0, m_elodie = 0, m_cy = 0, m_di = 0, m_bo = 0, m_early = 0,
           m_late = 0;
    QTemporaryDir m_out;

    QString site() const { return m_out.filePath(QStringLiteral("site")); }
    // Every file of the published site, by its path in the folder.
    QMap<QString, QString> pages() const
    {
        QMap<QString, QString> all;
        for (QDirIterator it(site(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile f(it.next());
            f.open(QIODevice::ReadOnly);
            all.insert(QDir(site()).relativeFilePath(f.fileName()), QString::fromUtf8(f.readAll()));
        }
        return all;
    }
    SitePublisher::Published publish()
    {
        return SitePublisher::publish(h->app().connection(), m_team, std::nullopt, site(),
                                      QDate(2026, 12, 9));
    }
    void setGender(qint64 runner, const char* gender)
    {
        h->check().execute(QStringLiteral("UPDATE Runners SET Gender = ? WHERE Pin = ?"),
                           {QString::fromLatin1(gender), runner});
    }

private slots:
    void init()
    {
        PublishedName::setStyle({});
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_team = f.addTeam("St. Mary's", "Dee", "555-0100", "Knights");
            m_ann = f.addRunner("Adams, Ann", m_team, "555-0101", "1 Ash Road", 11);
            m_elodie = f.addRunner("O'Brien, \u00c9lodie", m_team, "555-0199", "12 Elm Street", 10);
            m_cy = f.addRunner("Cole, Cy", m_team, "555-0102", "3 Oak Lane", 9);
            m_di = f.addRunner("Diaz, Di", m_team, "555-0104", "5 Fir Way", 12);
            m_bo = f.addRunner("Brown, Bo", m_team, "555-0103", "4 Pine Court", 12);
            m_early = f.addMeet(m_team, "2025-04-11", m_team, "Home Field");
            m_late = f.addMeet(m_team, "2026-04-18", m_team, "Away <Field>");
            const auto early = f.slotPins(m_early, 1), late = f.slotPins(m_late, 1);
            f.fillSlot(early[0], m_ann, 0, 12.0, 1, 10);
            f.fillSlot(early[1], m_elodie, 0, 12.2, 2, 8);
            f.fillSlot(late[0], m_ann, 0, 12.5, 2, 8);
            f.fillSlot(late[1], m_cy, 0, 12.2, 1, 10);
            f.fillSlot(f.slotPins(m_late, 12)[0], m_bo, 41, 6.5, 1, 10);
            // One relay squad in both meets, faster in the later one.
            for (const qint64 meet : {m_early, m_late}) {
                const auto legs = f.slotPins(meet, 14);
                const qint64 runners[] = {m_ann, m_elodie, m_cy, m_di};
                for (int i = 0; i < 4; ++i)
                    f.fillSlot(legs[i], runners[i], 0, meet == m_early ? 50.0 : 49.0, 1, 10);
            }
        });
        setGender(m_ann, "F");
        setGender(m_elodie, "F");
        setGender(m_cy, "F");
        setGender(m_di, "F");
        setGender(m_bo, "M");
        QVERIFY(m_out.isValid());
        QDir(site()).removeRecursively();
    }
    void cleanup() { h.reset(); }

    void topListsNameEachAthleteOnceAndShareTiedPlaces()
    {
        // Ann's two marks are one entry; Elodie and Cy tie for second, the earlier mark first,
        // and a tie at the last place is listed whole.
        const struct
        {
            int places;
            QStringList names;
            QList<int> ranks;
        } cases[] = {{10, {"Adams, Ann", "O'Brien, \u00c9lodie", "Cole, Cy"}, {1, 2, 2}},
                     {2, {"Adams, Ann", "O'Brien, \u00c9lodie", "Cole, Cy"}, {1, 2, 2}},
                     {1, {"Adams, Ann"}, {1}}};
        for (const auto& c : cases) {
            const QList<TopMarks::List> lists =
                TopMarks::read(h->app().connection(), m_team, std::nullopt, c.places);
            QStringList names;
            QList<int> ranks;
            for (const TopMarks::List& l : lists)
                if (l.type == 1 && l.gender == "F")
                    for (const TopMarks::Entry& e : l.entries) {
                        names << e.names.first();
                        ranks << e.place;
                    }
            QCOMPARE(names, c.names);
            QCOMPARE(ranks, c.ranks);
        }
        // The relay squad once, at its best, with its legs in order; boys apart from girls.
        const QList<TopMarks::List> all =
            TopMarks::read(h->app().connection(), m_team, std::nullopt);
        for (const TopMarks::List& l : all)
            if (l.type == 14) {
                QCOMPARE(l.entries.size(), 1);
                QCOMPARE(l.entries.first().mark, QStringLiteral("49.00"));
                QCOMPARE(l.entries.first().names.size(), 4);
            }
        // A relay of girls and a boy in a mixed division is one team, of neither list.
        setGender(m_di, "M");
        QStringList relays;
        for (const TopMarks::List& l : TopMarks::read(h->app().connection(), m_team, {}))
            if (l.type == 14)
                relays << l.gender + QString::number(l.entries.value(0).names.size());
        QCOMPARE(relays, QStringList{"4"});
        // A season's leaders know only that season's marks.
        const QString leaders = TopListReport::lists(h->app(), m_team, 2026, "F");
        QVERIFY2(leaders.contains(QRegularExpression("1\\. +12\\.20 +Cole, Cy")),
                 qPrintable(leaders));
        QVERIFY(!leaders.contains("12.00"));
        QVERIFY(!TopListReport::lists(h->app(), m_team, std::nullopt, "F").contains("Brown"));
    }

    // A mark counts for the grade its athlete was in at the meet; a grade typed without a class
    // year says nothing of last season's marks.
    void recordsByGradeCountEachMarkForItsGrade()
    {
        h->check().execute("UPDATE Runners SET ClassOf = 2027 WHERE Pin = ?", {m_ann});
        const QString text = TopListReport::byGrade(h->app(), m_team, "F");
        QVERIFY2(text.contains(QRegularExpression(
                     "Girls, Sophomore.*100 Meter Dash +12\\.00 +Adams, Ann.*Girls, Junior.*"
                     "100 Meter Dash +12\\.50 +Adams, Ann")),
                 qPrintable(text));
        QVERIFY(!text.contains("Cole") && !text.contains("Relay"));
        h->check().execute("UPDATE Runners SET ClassOf = NULL");
        QVERIFY(TopListReport::byGrade(h->app(), m_team, {}).isEmpty());
    }

    void publishedNamesAndFileNames_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("initial");
        QTest::addColumn<bool>("grades");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("full") << "O'Brien, \u00c9lodie" << false << false << "\u00c9lodie O'Brien"
                              << "elodie-obrien-7.html";
        QTest::newRow("initial") << "O'Brien, \u00c9lodie" << true << false << "\u00c9lodie O."
                                 << "elodie-o-7.html";
        QTest::newRow("grade") << "Adams,Ann" << false << true << "Ann Adams, grade 10"
                               << "ann-adams-grade-10-7.html";
        QTest::newRow("initial of a decomposed accent")
            << "O\u0308zil, Mesut" << true << false << "Mesut O\u0308."
            << "mesut-o-7.html";
        QTest::newRow("no first name") << "Prince" << true << false << "Prince"
                                       << "prince-7.html";
        QTest::newRow("nothing to name") << " , " << false << false << "Athlete"
                                         << "athlete-7.html";
    }
    void publishedNamesAndFileNames()
    {
        QFETCH(QString, stored);
        QFETCH(bool, initial);
        QFETCH(bool, grades);
        PublishedName::setStyle(
            {initial ? PublishedName::Names::Initial : PublishedName::Names::Full, grades});
        const QString name = PublishedName::of(stored, false, 10);
        QTEST(name, "name");
        QTEST(PublishedName::fileName(name, 7), "file");
        QCOMPARE(PublishedName::of(stored, true, 10), QStringLiteral("Athlete"));
    }

    void theSiteNeverHoldsWhatAFamilyKeepsPrivate()
    {
        const SitePublisher::Published first = publish();
        QCOMPARE(first.athletes, 5);
        QMap<QString, QString> all = pages();
        const QString elodiePage = "athletes/elodie-obrien-" + QString::number(m_elodie) + ".html";
        QVERIFY2(all.contains(elodiePage), qPrintable(all.keys().join(' ')));
        QVERIFY(all.value(elodiePage).contains("<h1>\u00c9lodie O&#39;Brien</h1>"));
        QVERIFY(all.value("meets/meet-" + QString::number(m_late) + ".html")
                    .contains("Place: Away &lt;Field&gt;"));
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            for (const char* secret : {"555-01", "Elm Street", "Ash Road", "Oak Lane", "Fir Way"})
                QVERIFY2(!it->contains(QLatin1String(secret)),
                         qPrintable(it.key() + ": " + secret));

        // Her family asks to be left off: the next publishing leaves no page and no name.
        std::optional<RunnerRecord> elodie = RunnerRecord::load(h->app().connection(), m_elodie);
        elodie->doNotPublish = true;
        elodie->save(h->app().connection());
        QCOMPARE(publish().athletes, 4);
        all = pages();
        QVERIFY(!all.contains(elodiePage));
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            for (const char* name : {"lodie", "Brien", "brien"})
                QVERIFY2(!it->contains(QLatin1String(name)), qPrintable(it.key()));
        QVERIFY(all.value("top-ten.html").contains("Athlete"));
        // The folder is the site alone: nothing of the writing is left beside it.
        QCOMPARE(QDir(m_out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"site"});
    }

    void aFolderOfOtherFilesIsNeverReplaced()
    {
        QDir().mkpath(site());
        QFile own(site() + "/holiday.jpg");
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("photo");
        own.close();
        QVERIFY_THROWS_EXCEPTION(ReportError, publish());
        QCOMPARE(QDir(site()).entryList(QDir::Files), QStringList{"holiday.jpg"});
    }

    void theChartShowsTheStoredMarks()
    {
        publish();
        const QString page =
            pages().value("athletes/ann-adams-" + QString::number(m_ann) + ".html");
        const qsizetype start = page.indexOf("<h2>100 Meter Dash</h2>");
        QVERIFY(start >= 0);
        const QString svg = page.mid(start, page.indexOf("</svg>", start) - start);
        QStringList points;
        static const QRegularExpression point("<circle [^>]*><title>([^<]*)</title>");
        for (auto m = point.globalMatch(svg); m.hasNext();)
            points << m.next().captured(1);
        QStringList stored;
        for (const Bests::Mark& m : Bests::marksOf(h->app().connection(), m_ann))
            if (m.type == 1)
                stored << m.date.toString(Qt::ISODate) + ": " + m.text;
        QCOMPARE(points, stored);
        QVERIFY(svg.contains("role=\"img\"") && svg.contains("personal best 12.00"));
    }

    // On paper the chart heads an event of three dated marks or more, once.
    void thePrintedRunnerReportDrawsTheChart()
    {
        const auto pictures = [this] {
            return RunnerReport::build(h->app(), m_ann).document().count("\\pict\\pngblip");
        };
        QCOMPARE(pictures(), 0);
        h->data().fillSlot(h->data().slotPins(h->data().addMeet(m_team, "2026-05-02"), 1)[0], m_ann,
                           0, 12.3, 1, 10);
        QCOMPARE(pictures(), 1);
        const QString doc = RunnerReport::build(h->app(), m_ann).document();
        QVERIFY(doc.indexOf("\\pngblip") < doc.indexOf("100 Meter Dash"));
    }

    void aBrowserLoadsEveryPageWithoutAnError()
    {
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty())
            QSKIP("Chromium is not installed");
        publish();
        const QMap<QString, QString> all = pages();
        // Every link inside the folder leads to a file of it.
        static const QRegularExpression href("(?:href|src)=\"([^\"#]+)\"");
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            for (auto m = href.globalMatch(*it); m.hasNext();) {
                const QString target = m.next().captured(1);
                QVERIFY2(!target.contains(':'),
                         qPrintable(it.key() + " leaves the site: " + target));
                const QString resolved =
                    QDir::cleanPath(QFileInfo(site() + '/' + it.key()).path() + '/' + target);
                QVERIFY2(QFileInfo::exists(resolved), qPrintable(it.key() + " -> " + target));
            }
        const QString athlete = "athletes/ann-adams-" + QString::number(m_ann) + ".html";
        for (const QString& page : all.keys()) {
            if (!page.endsWith(".html"))
                continue;
            QProcess browser;
            browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu",
                                     "--enable-logging=stderr", "--v=0", "--dump-dom",
                                     QUrl::fromLocalFile(site() + '/' + page).toString()});
            QVERIFY(browser.waitForFinished(60000));
            const QString log = QString::fromUtf8(browser.readAllStandardError());
            QVERIFY2(!log.contains("CONSOLE") && !log.contains("Failed to load resource"),
                     qPrintable(page + ":\n" + log));
            QVERIFY(QString::fromUtf8(browser.readAllStandardOutput()).contains("<main>"));
        }
        // On a phone's screen the athlete page shows its title and, below, the chart's marks.
        const QString shot = m_out.filePath("athlete.png");
        QProcess browser;
        browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                                 "--window-size=412,2400", "--screenshot=" + shot,
                                 QUrl::fromLocalFile(site() + '/' + athlete).toString()});
        QVERIFY(browser.waitForFinished(60000));
        const QImage image(shot);
        QVERIFY(!image.isNull());
        int dark = 0, chart = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                dark += c.lightness() < 80;
                // The first season's colour, #0072b2.
                chart += qAbs(c.red() - 0) < 24 && qAbs(c.green() - 114) < 24 &&
                         qAbs(c.blue() - 178) < 24;
            }
        QVERIFY2(dark > 500, "the page shows no text");
        QVERIFY2(chart > 20, "the page shows no chart");
    }
};

QTEST_MAIN(TeamSiteTest)
#include "tst_team_site.moc"
