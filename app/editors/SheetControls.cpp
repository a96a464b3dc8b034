#include "SheetControls.h"

#include "records/MeetSheet.h"
#include "ui/Controls.h"
#include "units/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Twips of the sheet's two halves.
struct Columns
{
    int label, button, place, points, mark1, mark2;
};
constexpr Columns kLeft{120, 1560, 3480, 4080, 4680, 5280};
constexpr Columns kRight{6120, 7200, 9120, 9720, 10320, 10920};
constexpr int kButtonWidth = 1815, kButtonHeight = 255;
constexpr int kBoxWidth = 585, kBoxHeight = 285;

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
        first = makeSlot(e, false, c.button, top);
        boxes(first, c, top, e, false);
        second = makeSlot(e, true, c.button, top + 240);
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
                        MeetSheet::eventName(e), kLeft.label, top, kLeft.button - kLeft.label - 60,
                        480)
            ->setWordWrap(true);
        SheetSlot shared;
        boxes(shared, kLeft, top, e, false);
        for (int k = 0; k < 4; ++k) {
            SheetSlot leg =
                makeSlot(MeetSheet::Individual + 4 * r + k, false, kLeft.button, top + 240 * k);
            leg.place = shared.place;
            leg.points = shared.points;
            leg.mark1 = shared.mark1;
            leg.mark2 = shared.mark2;
            leg.button->setProperty(kEntry, MeetSheet::eventName(e) +
                                                QStringLiteral(", leg %1").arg(k + 1));
            m_legs[static_cast<size_t>(4 * r + k)] = leg;
        }
    }

    auto* line = new QFrame(m_sheet);
    line->setObjectName(QStringLiteral("Line1_0"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Twips::rect(5850, 0, 60, 8415));
}

SheetSlot SheetControls::makeSlot(int index, bool second, int left, int top)
{
    SheetSlot slot;
    const QString buttonName =
        second ? QStringLiteral("runner2Button") : QStringLiteral("runnerButton");
    const QString labelName =
        second ? QStringLiteral("runner2Label") : QStringLiteral("runnerLabel");
    slot.button = Controls::button(m_sheet, Controls::indexed(buttonName, index), QString(), left,
                                   top, kButtonWidth, kButtonHeight);
    slot.label = Controls::label(m_sheet, Controls::indexed(labelName, index),
                                 second ? QStringLiteral("r2l") : QStringLiteral("r2L"), left, top,
                                 kButtonWidth, kButtonHeight);
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
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        for (int k = 0; k < 4; ++k)
            order << relayLeg(r, k).button;
        const SheetSlot& first = relayLeg(r, 0);
        order << first.place << first.points << first.mark1 << first.mark2;
    }
    for (size_t e = 7; e < MeetSheet::Individual; ++e) {
        addSlot(m_first[e]);
        addSlot(m_second[e]);
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
        for (QLineEdit* box : {s->place, s->points, s->mark1, s->mark2})
            box->clear();
    }
}

void SheetControls::describeRunners()
{
    for (const SheetSlot* s : all()) {
        const QString runner = s->button->text().trimmed();
        s->button->setAccessibleName(s->button->property(kEntry).toString() + QStringLiteral(": ") +
                                     (runner.isEmpty() ? QStringLiteral("no runner") : runner));
    }
}
