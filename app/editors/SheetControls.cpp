#include "SheetControls.h"

#include "data/DatabaseError.h"
#include "records/MeetSheet.h"
#include "ui/Controls.h"
#include "units/Twips.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Twips of the sheet's two halves.
struct Columns
{
    int label, button, place, points, mark1, mark2;
};
// The right half stands a little further right than it was designed, to leave room for the
// left half's "+" buttons at the ends of its rows.
constexpr int kShift = 300;
constexpr Columns kLeft{120, 1560, 3480, 4080, 4680, 5280};
constexpr Columns kRight{6120 + kShift, 7200 + kShift,  9120 + kShift,
                         9720 + kShift, 10320 + kShift, 10920 + kShift};
constexpr int kButtonWidth = 1815, kButtonHeight = 255;
constexpr int kBoxWidth = 585, kBoxHeight = 285;
constexpr int kMoreWidth = 255;
// A relay's caption takes three short lines beside its four legs, so that each leg has room
// for its runner's name and its split box before the team's boxes.
constexpr int kRelayCaptionWidth = 900, kLegLeft = 1080, kLegWidth = 1710;
constexpr int kSplitLeft = 2850;

bool onRight(int event)
{
    return event >= 7 && event <= 12;
}

int eventTop(int event)
{
    if (event >= MeetSheet::Individual)
        return 4440 + 960 * (event - MeetSheet::Individual);
    return 240 + 600 * (onRight(event) ? event - 7 : event);
}

// The property of a runner button that names its entry ("100 Meter Dash, first entry").
const char* const kEntry = "entry";

} // namespace

SheetControls::SheetControls(QWidget* sheet) : m_sheet(sheet)
{
    auto headings = [this](const Columns& c, int place, int points, int mark1, int mark2,
                           const QString& first, const QString& second) {
        Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label2"), place),
                        QStringLiteral("Place"), c.place, 0, kBoxWidth, 240);
        Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label2"), points),
                        QStringLiteral("Points"), c.points, 0, kBoxWidth, 240);
        Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label2"), mark1), first, c.mark1,
                        0, kBoxWidth, 240);
        Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label2"), mark2), second,
                        c.mark2, 0, kBoxWidth, 240);
    };
    headings(kLeft, 0, 1, 3, 2, QStringLiteral("Mins"), QStringLiteral("Secs"));
    headings(kRight, 9, 8, 11, 10, QStringLiteral("Feet"), QStringLiteral("Inches"));

    auto boxes = [this](SheetSlot& slot, const Columns& c, int top, int event, bool second) {
        const QString suffix = second ? QStringLiteral("2") : QString();
        const QString entry = MeetSheet::eventName(event) +
                              (second ? QStringLiteral(", second entry, ") : QStringLiteral(", "));
        const QString first =
            MeetSheet::isField(event) ? QStringLiteral("Feet") : QStringLiteral("Mins");
        const QString secondMark =
            MeetSheet::isField(event) ? QStringLiteral("Inches") : QStringLiteral("Secs");
        slot.place = Controls::numberBox(
            m_sheet,
            Controls::indexed(second ? QStringLiteral("PlaceBox2") : QStringLiteral("placeBox"),
                              event),
            entry + QStringLiteral("Place"), c.place, top, kBoxWidth, kBoxHeight);
        slot.points = Controls::numberBox(
            m_sheet,
            Controls::indexed(second ? QStringLiteral("PointsBox2") : QStringLiteral("pointsBox"),
                              event),
            entry + QStringLiteral("Points"), c.points, top, kBoxWidth, kBoxHeight);
        slot.mark1 = Controls::numberBox(
            m_sheet, Controls::indexed(QStringLiteral("measureBox") + suffix, event), entry + first,
            c.mark1, top, kBoxWidth, kBoxHeight);
        slot.mark2 = Controls::numberBox(
            m_sheet, Controls::indexed(QStringLiteral("measure2Box") + suffix, event),
            entry + secondMark, c.mark2, top, kBoxWidth, kBoxHeight);
    };

    for (int e = 0; e < MeetSheet::Individual; ++e) {
        const Columns& c = onRight(e) ? kRight : kLeft;
        const int top = eventTop(e);
        QLabel* caption =
            Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label1"), e),
                            MeetSheet::eventName(e), c.label, top, c.button - c.label - 60, 480);
        caption->setWordWrap(true);
        SheetSlot& first = m_first[static_cast<size_t>(e)];
        SheetSlot& second = m_second[static_cast<size_t>(e)];
        first = makeSlot(e, false, c.button, top, kButtonWidth);
        boxes(first, c, top, e, false);
        second = makeSlot(e, true, c.button, top + 240, kButtonWidth);
        boxes(second, c, top + 240, e, true);
        first.button->setProperty(kEntry,
                                  MeetSheet::eventName(e) + QStringLiteral(", first entry"));
        second.button->setProperty(kEntry,
                                   MeetSheet::eventName(e) + QStringLiteral(", second entry"));
    }

    for (int r = 0; r < MeetSheet::Relays; ++r) {
        const int e = MeetSheet::Individual + r;
        const int top = eventTop(e);
        Controls::label(m_sheet, Controls::indexed(QStringLiteral("Label1"), e),
                        MeetSheet::eventName(e), kLeft.label, top, kRelayCaptionWidth, 720)
            ->setWordWrap(true);
        SheetSlot shared;
        boxes(shared, kLeft, top, e, false);
        for (int k = 0; k < 4; ++k) {
            SheetSlot leg = makeSlot(MeetSheet::Individual + 4 * r + k, false, kLegLeft,
                                     top + 240 * k, kLegWidth);
            const QString name = MeetSheet::eventName(e) + QStringLiteral(", leg %1").arg(k + 1);
            leg.split = Controls::numberBox(
                m_sheet, Controls::indexed(QStringLiteral("splitBox"), 4 * r + k),
                name + QStringLiteral(", Split"), kSplitLeft, top + 240 * k, kBoxWidth, kBoxHeight);
            leg.split->setPlaceholderText(QStringLiteral("Split"));
            leg.place = shared.place;
            leg.points = shared.points;
            leg.mark1 = shared.mark1;
            leg.mark2 = shared.mark2;
            leg.button->setProperty(kEntry, name);
            m_legs[static_cast<size_t>(4 * r + k)] = leg;
        }
    }

    for (int e = 0; e < MeetSheet::Events; ++e) {
        const Columns& c = onRight(e) ? kRight : kLeft;
        QPushButton* more = Controls::button(
            m_sheet, Controls::indexed(QStringLiteral("moreEntries"), e), QStringLiteral("+"),
            c.mark2 + kBoxWidth + 15, eventTop(e), kMoreWidth, kButtonHeight);
        more->setAccessibleName(QStringLiteral("More entries: ") + MeetSheet::eventName(e));
        more->setToolTip(e >= MeetSheet::Individual
                             ? QStringLiteral("The relay's B, C... teams")
                             : QStringLiteral("The event's third, fourth... entries"));
        m_more[size_t(e)] = more;
    }

    auto* line = new QFrame(m_sheet);
    line->setObjectName(QStringLiteral("Line1_0"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Twips::rect(5850 + kShift, 0, 60, 8415));
}

int SheetControls::width()
{
    return kRight.mark2 + kBoxWidth + 15 + kMoreWidth + 120;
}

int SheetControls::rightShift()
{
    return kShift;
}

void SheetControls::showMoreCount(int event, int count)
{
    QPushButton* more = m_more[size_t(event)];
    more->setText(count > 0 ? QStringLiteral("+%1").arg(count) : QStringLiteral("+"));
    // The name stays the button's; how many there are is said after it.
    more->setAccessibleDescription(
        count > 0 ? QStringLiteral("%1 %2").arg(count).arg(event >= MeetSheet::Individual
                                                               ? QStringLiteral("more teams")
                                                               : QStringLiteral("more entries"))
                  : QString());
}

SheetSlot SheetControls::makeSlot(int index, bool second, int left, int top, int width)
{
    SheetSlot slot;
    const QString buttonName =
        second ? QStringLiteral("runner2Button") : QStringLiteral("runnerButton");
    const QString labelName =
        second ? QStringLiteral("runner2Label") : QStringLiteral("runnerLabel");
    slot.button = Controls::button(m_sheet, Controls::indexed(buttonName, index), QString(), left,
                                   top, width, kButtonHeight);
    slot.label = Controls::label(m_sheet, Controls::indexed(labelName, index),
                                 second ? QStringLiteral("r2l") : QStringLiteral("r2L"), left, top,
                                 width, kButtonHeight);
    slot.label->hide();
    return slot;
}

const SheetSlot& SheetControls::relayLeg(int relay, int leg) const
{
    return m_legs[static_cast<size_t>(4 * relay + leg)];
}

QList<const SheetSlot*> SheetControls::all() const
{
    QList<const SheetSlot*> result;
    for (size_t e = 0; e < m_first.size(); ++e)
        result << &m_first[e] << &m_second[e];
    for (const SheetSlot& leg : m_legs)
        result << &leg;
    return result;
}

QList<QWidget*> SheetControls::tabOrder() const
{
    // Down the left half (runs, then relays), then down the right half (field events).
    QList<QWidget*> order;
    auto addSlot = [&order](const SheetSlot& s) {
        order << s.button << s.place << s.points << s.mark1 << s.mark2;
    };
    for (size_t e = 0; e < 7; ++e) {
        addSlot(m_first[e]);
        addSlot(m_second[e]);
        order << m_more[e];
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        // Each leg's split beside its runner, as the sheet shows them.
        for (int k = 0; k < 4; ++k)
            order << relayLeg(r, k).button << relayLeg(r, k).split;
        const SheetSlot& first = relayLeg(r, 0);
        order << first.place << first.points << first.mark1 << first.mark2
              << m_more[size_t(MeetSheet::Individual + r)];
    }
    for (size_t e = 7; e < MeetSheet::Individual; ++e) {
        addSlot(m_first[e]);
        addSlot(m_second[e]);
        order << m_more[e];
    }
    return order;
}

void SheetControls::clear()
{
    // Every slot starts empty: a slot the new meet lacks must not keep the previous meet's
    // runner or join pin, or a save would write into the previous meet.
    for (const SheetSlot* s : all()) {
        s->button->setText(QString());
        s->button->setEnabled(false);
        s->label->setText(QString());
        for (QLineEdit* box : {s->place, s->points, s->mark1, s->mark2, s->split})
            if (box)
                box->clear();
    }
    for (int e = 0; e < MeetSheet::Events; ++e)
        showMoreCount(e, 0);
}

void SheetControls::describeRunners()
{
    for (const SheetSlot* s : all()) {
        const QString runner = s->button->text().trimmed();
        s->button->setAccessibleName(s->button->property(kEntry).toString() + QStringLiteral(": ") +
                                     (runner.isEmpty() ? QStringLiteral("no runner") : runner) +
                                     s->button->property(BestProperty)
                                         .toString()
                                         .replace(QLatin1Char(' '), QLatin1String(", ")));
    }
}

namespace {

void showSlot(const SheetSlot& slot, const MeetSheet::Entry& entry, qint64 join)
{
    slot.button->setText(entry.name);
    slot.button->setEnabled(true);
    slot.label->setText(QString::number(entry.runner) + QLatin1Char(' ') + QString::number(join));
}

void showNumbers(const SheetSlot& slot, const MeetSheet::Numbers& numbers)
{
    slot.place->setText(numbers.place);
    slot.points->setText(numbers.points);
    slot.mark1->setText(numbers.mark1);
    slot.mark2->setText(numbers.secondBox());
    // The number first, where the notes after it do not fit the box.
    slot.mark2->setCursorPosition(0);
}

// The runner's Pin in the label's "runner join"; the sheet itself writes it, so anything else
// is a fault of the program, not of the user.
qint64 labelRunner(const QLabel* label)
{
    bool ok = false;
    const qint64 runner = label->text().section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
    if (!ok)
        throw DatabaseError(
            QStringLiteral("The sheet's slot %1 holds no valid runner and slot (\"%2\").")
                .arg(label->objectName(), label->text()));
    return runner;
}

MeetSheet::Numbers numbersIn(const SheetSlot& slot)
{
    return SheetNumbers::fromBoxes(slot.place->text(), slot.points->text(), slot.mark1->text(),
                                   slot.mark2->text());
}

MeetSheet::Entry entryIn(const SheetSlot& slot)
{
    MeetSheet::Entry e;
    e.exists = !slot.label->text().isEmpty();
    e.name = slot.button->text();
    if (!e.name.isEmpty()) {
        e.runner = labelRunner(slot.label);
        e.join = slot.label->text().section(QLatin1Char(' '), 1, 1).toLongLong();
    }
    e.numbers = numbersIn(slot);
    if (slot.split)
        e.split = slot.split->text().trimmed();
    return e;
}

} // namespace

void SheetControls::show(const Division& division)
{
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        for (const auto& [slot, entry] : {std::pair{&first(e), &division.first[size_t(e)]},
                                          std::pair{&second(e), &division.second[size_t(e)]}}) {
            if (!entry->exists)
                continue;
            showSlot(*slot, *entry, entry->join);
            showNumbers(*slot, entry->numbers);
        }
        showMoreCount(e, division.entryCount(e) - 2);
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        const MeetSheet::Relay& relay = division.relays[static_cast<size_t>(r)];
        for (int k = 0; k < 4; ++k) {
            if (const MeetSheet::Entry& leg = relay.legs[static_cast<size_t>(k)]; leg.exists) {
                showSlot(relayLeg(r, k), leg, 1);
                relayLeg(r, k).split->setText(leg.split);
            }
        }
        if (relay.legs[0].exists)
            showNumbers(relayLeg(r, 0), relay.numbers);
        showMoreCount(MeetSheet::Individual + r, division.relayCount(r) - 1);
    }
}

void SheetControls::readInto(Division& division) const
{
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        division.first[size_t(e)] = entryIn(first(e));
        division.second[size_t(e)] = entryIn(second(e));
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        MeetSheet::Relay& relay = division.relays[static_cast<size_t>(r)];
        for (int k = 0; k < 4; ++k)
            relay.legs[static_cast<size_t>(k)] = entryIn(relayLeg(r, k));
        relay.numbers = numbersIn(relayLeg(r, 0));
    }
}

const SheetSlot& SheetControls::slotAt(int event, int entry) const
{
    if (event >= MeetSheet::Individual)
        return relayLeg(event - MeetSheet::Individual, 0);
    return entry == 0 ? first(event) : second(event);
}

int SheetControls::eventOf(const SheetSlot& slot, QList<const SheetSlot*>* siblings) const
{
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        if (&slot == &first(e) || &slot == &second(e)) {
            if (siblings)
                *siblings = {&first(e), &second(e)};
            return e;
        }
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        QList<const SheetSlot*> legs;
        for (int k = 0; k < 4; ++k)
            legs << &relayLeg(r, k);
        if (legs.contains(&slot)) {
            if (siblings)
                *siblings = legs;
            return MeetSheet::Individual + r;
        }
    }
    return -1;
}

QString SheetControls::entryName(const SheetSlot& slot)
{
    return slot.button->property(kEntry).toString();
}
