// Entering one meet's whole results sheet through the real meet editor, counting what the
// coach does: every click, every key that is not typing, and every value typed into one box
// (or into the picker's search) as one action. Once box by box with the mouse and Tab, as
// before the sheet followed the keyboard, and once from the keyboard. Each run saves, and the
// file must then hold exactly the results list.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/SheetSlot.h"
#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "records/RecordCreator.h"
#include "records/Scoring.h"
#include "records/TrackLists.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

// One line of the results list: who, where they placed, the points and the mark as the two
// boxes hold it and as a results sheet writes it.
struct Result
{
    qint64 runner;
    QString name;
    int place;
    int points;
    QString mark1, mark2, written;
};

struct ResultsList
{
    std::array<std::array<Result, 2>, MeetSheet::Individual> individual;
    std::array<std::array<Result, 4>, MeetSheet::Relays> relays;
};

QString twoDigits(double v)
{
    return QString::number(v, 'f', 2);
}

Result mark(QRandomGenerator& random, int event, const TrackLists::Item& who, int place)
{
    Result r{who.pin, who.text, place, 0, {}, {}, {}};
    r.points = Scoring::points(Scoring::Table::Invitational, QString::number(place),
                               event >= MeetSheet::Individual)
                   ->toInt();
    if (MeetSheet::isField(event)) {
        const int feet = random.bounded(5, 120);
        const int half = random.bounded(0, 24);
        r.mark1 = QString::number(feet);
        r.mark2 =
            half % 2 ? QString::number(half / 2) + QStringLiteral(".5") : QString::number(half / 2);
        r.written = QStringLiteral("%1-%2").arg(feet).arg(
            QString::number(half / 2.0, 'f', half % 2 ? 1 : 0)
                .rightJustified(half % 2 ? 4 : 2, QLatin1Char('0')));
        return r;
    }
    const double base[] = {11, 23, 50, 125, 280, 600, 42, 0, 0, 0, 0, 0, 0, 44, 95, 210, 500};
    const int hundredths = int(base[event] * 100) + random.bounded(0, 800);
    const int minutes = hundredths / 6000;
    const double seconds = (hundredths % 6000) / 100.0;
    r.mark1 = QString::number(minutes);
    r.mark2 = QString::number(seconds);
    r.written = minutes ? QStringLiteral("%1:%2").arg(minutes).arg(
                              twoDigits(seconds).rightJustified(5, QLatin1Char('0')))
                        : twoDigits(seconds);
    return r;
}

ResultsList resultsList(const QList<TrackLists::Item>& roster, unsigned seed)
{
    QRandomGenerator random(seed);
    ResultsList list;
    auto someone = [&](int salt) {
        return roster.at((salt * 7 + int(seed)) % roster.size());
    };
    for (int e = 0; e < MeetSheet::Individual; ++e)
        for (int k = 0; k < 2; ++k)
            list.individual[size_t(e)][size_t(k)] =
                mark(random, e, someone(2 * e + k), 1 + random.bounded(0, 8));
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        const Result team = mark(random, MeetSheet::Individual + r, someone(40 + r), 1 + r);
        for (int k = 0; k < 4; ++k) {
            Result leg = team;
            const TrackLists::Item who = someone(40 + 4 * r + k);
            leg.runner = who.pin;
            leg.name = who.text;
            list.relays[size_t(r)][size_t(k)] = leg;
        }
    }
    return list;
}

// The fewest first letters of a name that no other name of the roster starts with.
QString search(const QString& name, const QList<TrackLists::Item>& roster)
{
    for (int n = 3; n < name.size(); ++n) {
        int matches = 0;
        for (const TrackLists::Item& item : roster)
            matches += item.text.contains(name.left(n), Qt::CaseInsensitive);
        if (matches == 1)
            return name.left(n).toLower();
    }
    return name.toLower();
}

class Coach
{
public:
    explicit Coach(MainWindow& window) : m_window(window) {}
    int actions() const { return m_actions; }

    void click(QWidget* w)
    {
        ++m_actions;
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void doubleClick(KeyedList* list, const QString& key)
    {
        ++m_actions;
        list->selectKey(key);
        emit list->opened();
    }
    void key(Qt::Key k)
    {
        ++m_actions;
        QTest::keyClick(focus(), k);
    }
    // One value, typed key by key wherever the keyboard is.
    void type(const QString& text)
    {
        ++m_actions;
        for (QChar c : text)
            QTest::keyClicks(focus(), QString(c));
    }
    void typeInto(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        ++m_actions;
        QTest::keyClicks(box, text);
    }
    RunnerSelector* picker() { return m_window.windows().runnerSelector(); }

private:
    static QWidget* focus()
    {
        // Keys go to the window the platform has made active, once it has.
        const auto ready = [] {
            const QWidget* w = QApplication::focusWidget();
            return w && w->isVisible() && w->window()->isActiveWindow();
        };
        if (!QTest::qWaitFor(ready))
            qFatal("nothing has the keyboard");
        return QApplication::focusWidget();
    }

    MainWindow& m_window;
    int m_actions = 0;
};

void byMouse(Coach& coach, MeetEditor* editor, const ResultsList& list)
{
    auto pick = [&](const SheetSlot& slot, const Result& r) {
        coach.click(slot.button);
        coach.doubleClick(coach.picker()->runnerList(),
                          QStringLiteral("Pin") + QString::number(r.runner));
    };
    auto boxes = [&](const SheetSlot& slot, const Result& r) {
        const QString values[] = {QString::number(r.place), QString::number(r.points), r.mark1,
                                  r.mark2};
        QLineEdit* const targets[] = {slot.place, slot.points, slot.mark1, slot.mark2};
        for (int i = 0; i < 4; ++i) {
            coach.click(targets[i]);
            coach.typeInto(targets[i], values[i]);
        }
    };
    for (int e = 0; e < MeetSheet::Individual; ++e)
        for (int k = 0; k < 2; ++k) {
            const SheetSlot& slot = k ? editor->secondSlot(e) : editor->firstSlot(e);
            pick(slot, list.individual[size_t(e)][size_t(k)]);
            boxes(slot, list.individual[size_t(e)][size_t(k)]);
        }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        for (int k = 0; k < 4; ++k)
            pick(editor->relayLeg(r, k), list.relays[size_t(r)][size_t(k)]);
        boxes(editor->relayLeg(r, 0), list.relays[size_t(r)][0]);
    }
}

void byKeyboard(Coach& coach, MeetEditor* editor, const ResultsList& list,
                const QList<TrackLists::Item>& roster)
{
    auto line = [&](const Result& r, bool results) {
        QString text = search(r.name, roster);
        if (results)
            text += QStringLiteral(" %1 %2").arg(r.place).arg(r.written);
        coach.type(text);
        coach.key(Qt::Key_Return);
    };
    // The click opens the first slot's picker; from there the keyboard follows the sheet:
    // the runs down the left, the relays, then the field events. After an event's last line
    // the keyboard waits on its "+" for a further entry, and Tab goes on.
    coach.click(editor->firstSlot(0).button);
    for (int e : {0, 1, 2, 3, 4, 5, 6, 13, 14, 15, 16, 7, 8, 9, 10, 11, 12}) {
        if (e < MeetSheet::Individual) {
            for (int k = 0; k < 2; ++k)
                line(list.individual[size_t(e)][size_t(k)], true);
        } else {
            for (int k = 0; k < 4; ++k)
                line(list.relays[size_t(e - MeetSheet::Individual)][size_t(k)], k == 3);
        }
        if (e != 12)
            coach.key(Qt::Key_Tab);
    }
}

bool holdsTheList(AppContext& app, qint64 meet, const ResultsList& list, QString* wrong)
{
    const Division sheet = MeetSheet::load(app.connection(), meet)->divisions.value(0);
    auto same = [wrong](const MeetSheet::Entry& entry, const MeetSheet::Numbers& n, const Result& r,
                        const QString& where) {
        const bool ok = entry.runner == r.runner && n.place.toInt() == r.place &&
                        n.points.toInt() == r.points && n.mark1.toDouble() == r.mark1.toDouble() &&
                        n.mark2.toDouble() == r.mark2.toDouble();
        if (!ok)
            *wrong = QStringLiteral("%1: stored %2 %3 %4 %5 %6, listed %7 %8 %9 %10 %11")
                         .arg(where)
                         .arg(entry.runner)
                         .arg(n.place, n.points, n.mark1, n.mark2)
                         .arg(r.runner)
                         .arg(r.place)
                         .arg(r.points)
                         .arg(r.mark1, r.mark2);
        return ok;
    };
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        const MeetSheet::Entry* entries[] = {&sheet.first[size_t(e)], &sheet.second[size_t(e)]};
        for (int k = 0; k < 2; ++k)
            if (!same(*entries[k], entries[k]->numbers, list.individual[size_t(e)][size_t(k)],
                      MeetSheet::where(e, k)))
                return false;
    }
    for (int r = 0; r < MeetSheet::Relays; ++r)
        for (int k = 0; k < 4; ++k)
            if (!same(sheet.relays[size_t(r)].legs[size_t(k)], sheet.relays[size_t(r)].numbers,
                      list.relays[size_t(r)][size_t(k)],
                      MeetSheet::where(MeetSheet::Individual + r, 0) +
                          QStringLiteral(", leg %1").arg(k + 1)))
                return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // The offscreen platform says at every window shown that it cannot raise it.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support")))
                previous(type, context, message);
        });
    QApplication application(argc, argv);
    Dialogs::setAnswering(true);
    QTemporaryDir dir;
    // The coach's own settings stay untouched: the main window writes the season it shows.
    SettingsStore::useFile(dir.filePath(QStringLiteral("settings.ini")));
    const QString path = LargeTrack::makeForBench(dir.path());

    AppContext app;
    app.setDatabasePath(path);
    app.connection().open(app.connectionString());
    MainWindow window(app);
    // After the window, which reads the coach's choice from the settings.
    app.setScoring(Scoring::Table::Invitational);
    window.buildSchoolList();
    const qint64 team = pinFromKey(window.schoolList()->selectedKey());
    const QList<TrackLists::Item> roster = TrackLists::runners(app.connection(), team);
    const ResultsList list = resultsList(roster, 7);

    int failures = 0;
    for (const bool keyboard : {false, true}) {
        const qint64 meet = RecordCreator(app.connection()).addMeet(team);
        window.windows().openMeetEditor(meet);
        MeetEditor* editor = window.windows().meetEditor();
        if (!QTest::qWaitForWindowActive(editor))
            qFatal("the meet editor did not come up");
        Coach coach(window);
        QElapsedTimer entering;
        entering.start();
        if (keyboard)
            byKeyboard(coach, editor, list, roster);
        else
            byMouse(coach, editor, list);
        const double enterMs = entering.nsecsElapsed() / 1e6;
        QElapsedTimer saving;
        saving.start();
        coach.click(editor->findChild<QPushButton*>(QStringLiteral("updateButton")));
        const double saveMs = saving.nsecsElapsed() / 1e6;
        QString wrong;
        const bool ok = holdsTheList(app, meet, list, &wrong) && !editor->isVisible();
        failures += !ok;
        std::printf("%-46s %4d actions %8.0f ms entering\n",
                    keyboard ? "full sheet from the keyboard" : "full sheet box by box (before)",
                    coach.actions(), enterMs);
        // The same sheet saved again and again, for a steadier figure than the one Save.
        const double medianMs = BenchTimer::medianMs(
            11, [&] { editor->save(); }, [&] { window.windows().openMeetEditor(meet); });
        std::printf("  its Save took %.1f ms; saved again, the median is %.1f ms\n", saveMs,
                    medianMs);
        BenchTimer::print(QStringLiteral("  Save (large database, with the meet list)"), medianMs,
                          20);
        if (!ok)
            std::printf("  the file does not hold the results list: %s\n", qPrintable(wrong));
    }
    std::printf("target: 150 actions or fewer from the keyboard\n");
    return failures ? 1 : 0;
}
