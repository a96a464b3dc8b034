#include "MeetEditor.h"

#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "records/SheetNumber.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/Twips.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kCaptions[MeetEditor::Events] = {
    "100 Meter Dash",   "200 Meter Dash",    "400 Meter Dash", "800 Meter Dash",  "1600 Meter Run",
    "3200 Meter Run",   "300 Meter Hurdles", "High Jump",      "Long Jump",       "Triple Jump",
    "Pole Vault",       "Shot Put",          "Discus Throw",   "400 Meter Relay", "800 Meter Relay",
    "1600 Meter Relay", "3200 Meter Relay"};

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

bool isField(int event)
{
    return event >= 7 && event <= 12;
}

int eventTop(int event)
{
    if (event >= MeetEditor::Individual)
        return 4440 + 960 * (event - MeetEditor::Individual);
    return 240 + 600 * (onRight(event) ? event - 7 : event);
}

QString number(qint64 n)
{
    return QString::number(n);
}

// The property of a runner button that names its entry ("100 Meter Dash, first entry").
const char* const kEntry = "entry";

// What a screen reader says for a chosen runner or host, or for none.
QString described(const QString& where, const QString& chosen, const QString& none)
{
    return where + QStringLiteral(": ") + (chosen.trimmed().isEmpty() ? none : chosen);
}

} // namespace

MeetEditor::MeetEditor(AppContext& app, MainLists& lists, ProgramWindows& windows)
    : m_app(app), m_lists(lists), m_windows(windows)
{
    setObjectName(QStringLiteral("meetInfo"));
    setWindowTitle(QStringLiteral("Meet Information"));
    setFixedSize(Twips::size(11865, 8415));
    buildSheet();
    buildMeetControls();
    setTabOrder();
    clearSheet();
}

QString MeetEditor::eventCaption(int event)
{
    return QString::fromLatin1(kCaptions[event]);
}

const SheetSlot& MeetEditor::relayLeg(int relay, int leg) const
{
    return m_legs[static_cast<size_t>(4 * relay + leg)];
}

SheetSlot MeetEditor::makeSlot(int index, bool second, int left, int top)
{
    SheetSlot slot;
    const QString buttonName =
        second ? QStringLiteral("runner2Button") : QStringLiteral("runnerButton");
    const QString labelName =
        second ? QStringLiteral("runner2Label") : QStringLiteral("runnerLabel");
    slot.button = Controls::button(this, Controls::indexed(buttonName, index), QString(), left, top,
                                   kButtonWidth, kButtonHeight);
    slot.label = Controls::label(this, Controls::indexed(labelName, index),
                                 second ? QStringLiteral("r2l") : QStringLiteral("r2L"), left, top,
                                 kButtonWidth, kButtonHeight);
    slot.label->hide();
    return slot;
}

void MeetEditor::buildSheet()
{
    auto headings = [this](const Columns& c, int place, int points, int mark1, int mark2,
                           const QString& first, const QString& second) {
        Controls::label(this, Controls::indexed(QStringLiteral("Label2"), place),
                        QStringLiteral("Place"), c.place, 0, kBoxWidth, 240);
        Controls::label(this, Controls::indexed(QStringLiteral("Label2"), points),
                        QStringLiteral("Points"), c.points, 0, kBoxWidth, 240);
        Controls::label(this, Controls::indexed(QStringLiteral("Label2"), mark1), first, c.mark1, 0,
                        kBoxWidth, 240);
        Controls::label(this, Controls::indexed(QStringLiteral("Label2"), mark2), second, c.mark2,
                        0, kBoxWidth, 240);
    };
    headings(kLeft, 0, 1, 3, 2, QStringLiteral("Mins"), QStringLiteral("Secs"));
    headings(kRight, 9, 8, 11, 10, QStringLiteral("Feet"), QStringLiteral("Inches"));

    auto boxes = [this](SheetSlot& slot, const Columns& c, int top, int event, bool second) {
        const QString suffix = second ? QStringLiteral("2") : QString();
        const QString entry = eventCaption(event) +
                              (second ? QStringLiteral(", second entry, ") : QStringLiteral(", "));
        const QString first = isField(event) ? QStringLiteral("Feet") : QStringLiteral("Mins");
        const QString secondMark =
            isField(event) ? QStringLiteral("Inches") : QStringLiteral("Secs");
        slot.place = Controls::textBox(
            this,
            Controls::indexed(second ? QStringLiteral("PlaceBox2") : QStringLiteral("placeBox"),
                              event),
            entry + QStringLiteral("Place"), c.place, top, kBoxWidth, kBoxHeight);
        slot.points = Controls::textBox(
            this,
            Controls::indexed(second ? QStringLiteral("PointsBox2") : QStringLiteral("pointsBox"),
                              event),
            entry + QStringLiteral("Points"), c.points, top, kBoxWidth, kBoxHeight);
        slot.mark1 =
            Controls::textBox(this, Controls::indexed(QStringLiteral("measureBox") + suffix, event),
                              entry + first, c.mark1, top, kBoxWidth, kBoxHeight);
        slot.mark2 = Controls::textBox(
            this, Controls::indexed(QStringLiteral("measure2Box") + suffix, event),
            entry + secondMark, c.mark2, top, kBoxWidth, kBoxHeight);
    };

    for (int e = 0; e < Individual; ++e) {
        const Columns& c = onRight(e) ? kRight : kLeft;
        const int top = eventTop(e);
        QLabel* caption =
            Controls::label(this, Controls::indexed(QStringLiteral("Label1"), e), eventCaption(e),
                            c.label, top, c.button - c.label - 60, 480);
        caption->setWordWrap(true);
        SheetSlot& first = m_first[static_cast<size_t>(e)];
        SheetSlot& second = m_second[static_cast<size_t>(e)];
        first = makeSlot(e, false, c.button, top);
        boxes(first, c, top, e, false);
        second = makeSlot(e, true, c.button, top + 240);
        boxes(second, c, top + 240, e, true);
        first.button->setProperty(kEntry, eventCaption(e) + QStringLiteral(", first entry"));
        second.button->setProperty(kEntry, eventCaption(e) + QStringLiteral(", second entry"));
    }

    for (int r = 0; r < Relays; ++r) {
        const int e = Individual + r;
        const int top = eventTop(e);
        Controls::label(this, Controls::indexed(QStringLiteral("Label1"), e), eventCaption(e),
                        kLeft.label, top, kLeft.button - kLeft.label - 60, 480)
            ->setWordWrap(true);
        SheetSlot shared;
        boxes(shared, kLeft, top, e, false);
        for (int k = 0; k < 4; ++k) {
            SheetSlot leg = makeSlot(Individual + 4 * r + k, false, kLeft.button, top + 240 * k);
            leg.place = shared.place;
            leg.points = shared.points;
            leg.mark1 = shared.mark1;
            leg.mark2 = shared.mark2;
            leg.button->setProperty(kEntry,
                                    eventCaption(e) + QStringLiteral(", leg %1").arg(k + 1));
            m_legs[static_cast<size_t>(4 * r + k)] = leg;
        }
    }

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1_0"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Twips::rect(5850, 0, 60, 8415));

    for (size_t i = 0; i < m_first.size(); ++i) {
        const SheetSlot* first = &m_first[i];
        const SheetSlot* second = &m_second[i];
        connect(first->button, &QPushButton::clicked, this, [this, first] { pickRunner(*first); });
        connect(second->button, &QPushButton::clicked, this,
                [this, second] { pickRunner(*second); });
    }
    for (const SheetSlot& leg : m_legs) {
        const SheetSlot* l = &leg;
        connect(leg.button, &QPushButton::clicked, this, [this, l] { pickRunner(*l); });
    }
}

void MeetEditor::buildMeetControls()
{
    Controls::label(this, QStringLiteral("Label2_6"), QStringLiteral("Hosting School"), 7680, 3900,
                    1380, 255);
    m_schoolBox =
        Controls::button(this, QStringLiteral("schoolBox"), QString(), 9120, 3840, 2295, 375);
    connect(m_schoolBox, &QPushButton::clicked, this, &MeetEditor::pickHost);

    Controls::label(this, QStringLiteral("Label2_4"), QStringLiteral("Time"), 6360, 4065, 600, 255);
    m_timeBox = new QCalendarWidget(this);
    m_timeBox->setObjectName(QStringLiteral("timeBox"));
    m_timeBox->setAccessibleName(QStringLiteral("Time"));
    m_timeBox->setGeometry(Twips::rect(6360, 4320, 5055, 3015));
    m_timeBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    Controls::label(this, QStringLiteral("Label2_7"), QStringLiteral("Meet Place"), 6120, 7500,
                    1020, 255);
    m_meetPlace = Controls::textBox(this, QStringLiteral("meetPlace"), QStringLiteral("Meet Place"),
                                    7140, 7440, 855, 375);
    Controls::label(this, QStringLiteral("Label2_5"), QStringLiteral("Weather"), 8100, 7500, 780,
                    255);
    m_weatherBox = Controls::textBox(this, QStringLiteral("weatherBox"), QStringLiteral("Weather"),
                                     8880, 7440, 2535, 375);

    m_reportButton = Controls::button(this, QStringLiteral("reportButton"),
                                      QStringLiteral("Run Report"), 6480, 7920, 1335, 375);
    m_deleteButton = Controls::button(this, QStringLiteral("deleteButton"),
                                      QStringLiteral("Delete Meet"), 8040, 7920, 1455, 375);
    m_updateButton = Controls::button(this, QStringLiteral("updateButton"),
                                      QStringLiteral("Update Meet Info"), 9720, 7920, 1695, 375);
    setUpdateButton(m_updateButton);
    connect(m_updateButton, &QPushButton::clicked, this, &MeetEditor::save);
    connect(m_deleteButton, &QPushButton::clicked, this, &MeetEditor::remove);
    connect(m_reportButton, &QPushButton::clicked, this,
            [this] { emit reportRequested(m_meetPin); });
}

void MeetEditor::setTabOrder()
{
    QList<QWidget*> order;
    auto addSlot = [&order](const SheetSlot& s) {
        order << s.button << s.place << s.points << s.mark1 << s.mark2;
    };
    for (int e = 0; e < 7; ++e) {
        addSlot(m_first[static_cast<size_t>(e)]);
        addSlot(m_second[static_cast<size_t>(e)]);
    }
    for (int r = 0; r < Relays; ++r) {
        for (int k = 0; k < 4; ++k)
            order << relayLeg(r, k).button;
        const SheetSlot& first = relayLeg(r, 0);
        order << first.place << first.points << first.mark1 << first.mark2;
    }
    for (int e = 7; e < Individual; ++e) {
        addSlot(m_first[static_cast<size_t>(e)]);
        addSlot(m_second[static_cast<size_t>(e)]);
    }
    order << m_schoolBox << m_timeBox << m_meetPlace << m_weatherBox << m_reportButton
          << m_deleteButton << m_updateButton;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MeetEditor::clearSheet()
{
    // Every control of the sheet starts empty: a slot the new meet lacks must not keep the
    // previous meet's runner or join pin, or a save would write into the previous meet.
    auto clear = [](const SheetSlot& s) {
        s.button->setText(QString());
        s.button->setEnabled(false);
        s.label->setText(QString());
        for (QLineEdit* box : {s.place, s.points, s.mark1, s.mark2})
            box->clear();
    };
    for (const SheetSlot& s : m_first)
        clear(s);
    for (const SheetSlot& s : m_second)
        clear(s);
    for (const SheetSlot& s : m_legs)
        clear(s);
    m_schoolBox->setText(QString());
    m_meetPlace->clear();
    m_weatherBox->clear();
    describeChoices();
}

void MeetEditor::describeChoices()
{
    auto describe = [](const SheetSlot& s) {
        s.button->setAccessibleName(described(s.button->property(kEntry).toString(),
                                              s.button->text(), QStringLiteral("no runner")));
    };
    for (const auto* half : {&m_first, &m_second})
        for (const SheetSlot& s : *half)
            describe(s);
    for (const SheetSlot& s : m_legs)
        describe(s);
    // The caption is "Pin School": the reader is told the school.
    m_schoolBox->setAccessibleName(described(QStringLiteral("Hosting School"),
                                             m_schoolBox->text().section(QLatin1Char(' '), 1),
                                             QStringLiteral("none chosen")));
}

QString MeetEditor::snapshot() const
{
    QStringList values;
    auto add = [&values](const SheetSlot& s) {
        values << s.button->text() << s.label->text() << s.place->text() << s.points->text()
               << s.mark1->text() << s.mark2->text();
    };
    for (const auto* half : {&m_first, &m_second})
        for (const SheetSlot& s : *half)
            add(s);
    for (const SheetSlot& s : m_legs)
        add(s);
    values << m_schoolBox->text() << m_timeBox->selectedDate().toString(Qt::ISODate)
           << m_meetPlace->text() << m_weatherBox->text();
    return values.join(QChar(0));
}

QString MeetEditor::saveQuestion() const
{
    return QStringLiteral("Save the changes to this meet?");
}

void MeetEditor::fillSlot(const SheetSlot& slot, const RecordSet& row, const QString& joinPin)
{
    slot.button->setText(row.field(QStringLiteral("Runners_Name")).text());
    slot.button->setEnabled(true);
    slot.label->setText(row.field(QStringLiteral("runner_pin")).text() + QLatin1Char(' ') +
                        joinPin);
}

void MeetEditor::fillSlotBoxes(const SheetSlot& slot, const RecordSet& row)
{
    slot.place->setText(row.field(QStringLiteral("Place")).text());
    slot.points->setText(row.field(QStringLiteral("Points")).text());
    slot.mark1->setText(row.field(QStringLiteral("Measure1")).text());
    slot.mark2->setText(row.field(QStringLiteral("Measure2")).text());
}

bool MeetEditor::build(qint64 meetPin)
{
    const QString meet = number(meetPin);
    try {
        RecordSet info(QStringLiteral("SELECT * From Meets_Info WHERE meet_pin = ") + meet,
                       m_app.connection());
        qint64 team = 0;
        if (info.eof()) {
            // A meet whose team was deleted has no Meets_Info row; show it all the same.
            info.open(QStringLiteral("SELECT Meets.Pin AS Meet_Pin, MeetTime, Weather, Place, "
                                     "HostingTeam AS HostingPin, Teams.School AS HostingSchool "
                                     "FROM Meets LEFT JOIN Teams ON Teams.Pin = Meets.HostingTeam "
                                     "WHERE Meets.Pin = ") +
                          meet,
                      m_app.connection());
            if (info.eof()) {
                Dialogs::tell(this, QStringLiteral("This meet is no longer in the database."),
                              Dialogs::Icon::Warning);
                return false;
            }
        } else {
            team = info.field(QStringLiteral("Team_Pin")).toInt();
        }

        clearSheet();
        m_meetPin = meetPin;
        m_teamPin = team;
        const QDateTime when = info.field(QStringLiteral("MeetTime")).toDateTime();
        m_loadedDate = when.date();
        m_loadedTime = when.time();
        // A meet without a date starts on today, and Save writes what the calendar shows.
        m_timeBox->setSelectedDate(m_loadedDate.isValid() ? m_loadedDate : QDate::currentDate());
        m_weatherBox->setText(info.field(QStringLiteral("weather")).text());
        m_schoolBox->setText(info.field(QStringLiteral("HostingPin")).text() + QLatin1Char(' ') +
                             info.field(QStringLiteral("HostingSchool")).text());
        m_meetPlace->setText(info.field(QStringLiteral("Place")).text());

        for (int e = 0; e < Individual; ++e) {
            RecordSet rs(QStringLiteral("SELECT * From Events_View WHERE meet_pin=") + meet +
                             QStringLiteral(" AND type = ") + number(e + 1),
                         m_app.connection());
            for (const SheetSlot* slot :
                 {&m_first[static_cast<size_t>(e)], &m_second[static_cast<size_t>(e)]}) {
                if (rs.eof())
                    break;
                fillSlot(*slot, rs, rs.field(QStringLiteral("joinpin")).text());
                fillSlotBoxes(*slot, rs);
                rs.moveNext();
            }
        }

        for (int r = 0; r < Relays; ++r) {
            RecordSet rs(QStringLiteral("SELECT * From Events_View WHERE meet_pin=") + meet +
                             QStringLiteral(" AND type = ") + number(r + 14) +
                             QStringLiteral(" ORDER BY JoinPin"),
                         m_app.connection());
            // The relay's boxes show what a save writes: the result of the first leg that has a
            // runner, or of the last leg when none has.
            bool shown = false;
            for (int k = 0; k < 4 && !rs.eof(); ++k, rs.moveNext()) {
                const SheetSlot& leg = relayLeg(r, k);
                fillSlot(leg, rs, QStringLiteral("1"));
                const bool hasRunner = !rs.field(QStringLiteral("runners_name")).isNull();
                if (!shown)
                    fillSlotBoxes(leg, rs);
                shown = shown || hasRunner;
            }
        }
        describeChoices();
        markUnchanged();
        if (m_weatherBox->text() == QLatin1String("New Meet"))
            offerForTyping(m_weatherBox);
        return true;
    } catch (const DatabaseError& e) {
        Dialogs::tell(this, QStringLiteral("The meet could not be read.\n\n") + e.message(),
                      Dialogs::Icon::Warning);
        return false;
    }
}

QList<const SheetSlot*> MeetEditor::eventSlots(const SheetSlot& slot, QString* event) const
{
    for (int e = 0; e < Individual; ++e) {
        const SheetSlot* first = &m_first[static_cast<size_t>(e)];
        const SheetSlot* second = &m_second[static_cast<size_t>(e)];
        if (&slot == first || &slot == second) {
            *event = eventCaption(e);
            return {first, second};
        }
    }
    for (int r = 0; r < Relays; ++r) {
        QList<const SheetSlot*> legs;
        for (int k = 0; k < 4; ++k)
            legs << &relayLeg(r, k);
        if (legs.contains(&slot)) {
            *event = eventCaption(Individual + r);
            return legs;
        }
    }
    return {};
}

void MeetEditor::pickRunner(const SheetSlot& slot)
{
    // The other entries of the event, which the picked runner must not be in already.
    QString event;
    QList<RunnerSelector::Entry> others;
    for (const SheetSlot* s : eventSlots(slot, &event)) {
        if (s != &slot)
            others << RunnerSelector::Entry{s->button, s->label};
    }
    RunnerSelector* picker = m_windows.runnerSelector();
    connect(picker, &RunnerSelector::chosen, this, &MeetEditor::describeChoices,
            Qt::UniqueConnection);
    picker->build(m_teamPin, slot.button, slot.label, event, others);
    ProgramWindows::present(picker);
}

void MeetEditor::pickHost()
{
    TeamSelector* picker = m_windows.teamSelector();
    connect(picker, &TeamSelector::chosen, this, &MeetEditor::describeChoices,
            Qt::UniqueConnection);
    picker->build(m_schoolBox);
    ProgramWindows::present(picker);
}

QLineEdit* MeetEditor::firstBadBox(QString* message) const
{
    auto check = [message](const SheetSlot& s, const QString& where, bool field) -> QLineEdit* {
        if (s.button->text().isEmpty())
            return nullptr;
        const std::pair<QLineEdit*, QString> boxes[] = {
            {s.place, QStringLiteral("Place")},
            {s.points, QStringLiteral("Points")},
            {s.mark1, field ? QStringLiteral("Feet") : QStringLiteral("Mins")},
            {s.mark2, field ? QStringLiteral("Inches") : QStringLiteral("Secs")}};
        for (const auto& [box, name] : boxes) {
            if (!SheetNumber::sqlLiteral(box->text())) {
                *message = QStringLiteral("%1: the %2 box holds \"%3\", but it must hold %4. "
                                          "Nothing was saved.")
                               .arg(where, name, box->text(), SheetNumber::rule());
                return box;
            }
        }
        // Seconds stay under a minute and inches under a foot: the whole minutes and feet go in
        // the box beside them.
        const int limit = field ? 12 : 60;
        if (SheetNumber::sqlLiteral(s.mark2->text())->toDouble() >= limit) {
            *message = QStringLiteral("%1: the %2 box holds \"%3\", but it must hold less than "
                                      "%4 (put whole %5 in the %6 box). Nothing was saved.")
                           .arg(where, boxes[3].second, s.mark2->text(), number(limit),
                                field ? QStringLiteral("feet") : QStringLiteral("minutes"),
                                boxes[2].second);
            return s.mark2;
        }
        return nullptr;
    };
    for (int e = 0; e < Individual; ++e) {
        if (QLineEdit* bad = check(m_first[static_cast<size_t>(e)],
                                   eventCaption(e) + QStringLiteral(", first entry"), isField(e)))
            return bad;
        if (QLineEdit* bad = check(m_second[static_cast<size_t>(e)],
                                   eventCaption(e) + QStringLiteral(", second entry"), isField(e)))
            return bad;
    }
    for (int r = 0; r < Relays; ++r) {
        for (int k = 0; k < 4; ++k) {
            if (QLineEdit* bad = check(relayLeg(r, k), eventCaption(Individual + r), false))
                return bad;
        }
    }
    return nullptr;
}

namespace {

QString slotStatement(const QString& runner, const SheetSlot& s, const QString& join)
{
    const QString mark1 = *SheetNumber::sqlLiteral(s.mark1->text());
    const QString mark2 = *SheetNumber::sqlLiteral(s.mark2->text());
    return QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = ") + runner +
           QStringLiteral(",feet=") + mark1 + QStringLiteral(",Inches=") + mark2 +
           QStringLiteral(",Minutes=") + mark1 + QStringLiteral(",Seconds=") + mark2 +
           QStringLiteral(",Points=") + *SheetNumber::sqlLiteral(s.points->text()) +
           QStringLiteral(",Place=") + *SheetNumber::sqlLiteral(s.place->text()) +
           QStringLiteral(" WHERE Pin=") + join;
}

// The label's "runner join" as two numbers; the sheet itself writes them, so anything else
// is a fault of the program, not of the user.
std::pair<QString, QString> labelPins(const QLabel* label)
{
    const QStringList parts = label->text().split(QLatin1Char(' '));
    bool runnerOk = false, joinOk = false;
    const qint64 runner = parts.value(0).toLongLong(&runnerOk);
    const qint64 join = parts.value(1).toLongLong(&joinOk);
    if (!runnerOk || !joinOk)
        throw DatabaseError(
            QStringLiteral("The sheet's slot %1 holds no valid runner and slot (\"%2\").")
                .arg(label->objectName(), label->text()));
    return {QString::number(runner), QString::number(join)};
}

} // namespace

QStringList MeetEditor::slotStatements()
{
    QStringList statements;
    for (int e = 0; e < Individual; ++e) {
        for (const SheetSlot* s :
             {&m_first[static_cast<size_t>(e)], &m_second[static_cast<size_t>(e)]}) {
            if (s->button->text().isEmpty())
                continue;
            const auto [runner, join] = labelPins(s->label);
            statements << slotStatement(runner, *s, join);
        }
    }
    for (int r = 0; r < Relays; ++r) {
        // Leg k writes to the k-th slot in the order the sheet was loaded in.
        RecordSet rs(QStringLiteral("SELECT * FROM Events_View where meet_Pin=") +
                         number(m_meetPin) + QStringLiteral(" AND type=") + number(r + 14) +
                         QStringLiteral(" ORDER BY JoinPin"),
                     m_app.connection());
        for (int k = 0; k < 4 && !rs.eof(); ++k, rs.moveNext()) {
            const SheetSlot& leg = relayLeg(r, k);
            if (leg.button->text().isEmpty())
                continue;
            const QString runner = labelPins(leg.label).first;
            statements << slotStatement(runner, leg, rs.field(QStringLiteral("JoinPin")).text());
        }
    }
    return statements;
}

QStringList MeetEditor::meetStatements() const
{
    const QString pin = number(m_meetPin);
    QStringList statements;
    statements << QStringLiteral("UPDATE Meets SET Weather = '") +
                      escapeSqlText(m_weatherBox->text()) + QStringLiteral("' WHERE PIN = ") + pin;
    // A host that was never chosen stays as it is.
    const QString host = m_schoolBox->text().section(QLatin1Char(' '), 0, 0);
    bool hostOk = false;
    const qint64 hostPin = host.toLongLong(&hostOk);
    if (hostOk)
        statements << QStringLiteral("UPDATE Meets SET HostingTeam = ") + number(hostPin) +
                          QStringLiteral(" WHERE Pin = ") + pin;
    // The date the calendar shows, in the one sortable form; a date that did not change keeps
    // its time of day.
    const QDate date = m_timeBox->selectedDate();
    QString when = date.toString(Qt::ISODate);
    if (date == m_loadedDate && m_loadedTime.isValid() && m_loadedTime != QTime(0, 0))
        when += QLatin1Char(' ') + m_loadedTime.toString(QStringLiteral("HH:mm:ss"));
    statements << QStringLiteral("UPDATE Meets SET MeetTime = '") + when +
                      QStringLiteral("' WHERE PIN = ") + pin;
    statements << QStringLiteral("UPDATE Meets Set Place='") + escapeSqlText(m_meetPlace->text()) +
                      QStringLiteral("' WHERE PIN = ") + pin;
    return statements;
}

bool MeetEditor::save()
{
    QString message;
    if (QLineEdit* bad = firstBadBox(&message)) {
        Dialogs::tell(this, message, Dialogs::Icon::Warning);
        bad->setFocus();
        bad->selectAll();
        return false;
    }
    try {
        m_app.connection().transaction([&] {
            const QStringList statements = slotStatements() + meetStatements();
            for (const QString& sql : statements)
                m_app.connection().execute(sql);
        });
    } catch (const DatabaseError& e) {
        Dialogs::tell(
            this, QStringLiteral("The meet was not saved; nothing was changed.\n\n") + e.message(),
            Dialogs::Icon::Warning);
        return false;
    }
    if (m_timeBox->selectedDate() != m_loadedDate)
        m_loadedTime = QTime();
    m_loadedDate = m_timeBox->selectedDate();
    markUnchanged();
    m_lists.buildMeetList();
    hide();
    return true;
}

void MeetEditor::remove()
{
    if (!Dialogs::ask(this, QStringLiteral("Delete Meet?")))
        return;
    const QString pin = number(m_meetPin);
    try {
        Connection& db = m_app.connection();
        db.transaction([&] {
            RecordSet events(QStringLiteral("SELECT * FROM Event_to_Meet WHERE Meet_Pin=") + pin,
                             db);
            for (; !events.eof(); events.moveNext()) {
                const QString event = events.field(QStringLiteral("Event_Pin")).text();
                db.execute(QStringLiteral("DELETE FROM Events WHERE Pin = ") + event);
                db.execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Event_Pin = ") +
                           event);
                db.execute(QStringLiteral("DELETE FROM Event_to_Meet WHERE Event_Pin = ") + event);
            }
            db.execute(QStringLiteral("DELETE FROM Meets WHERE Pin = ") + pin);
            db.execute(QStringLiteral("DELETE FROM Meet_to_Team WHERE Meet_Pin = ") + pin);
        });
    } catch (const DatabaseError& e) {
        Dialogs::tell(this,
                      QStringLiteral("The meet was not deleted; nothing was changed.\n\n") +
                          e.message(),
                      Dialogs::Icon::Warning);
        return;
    }
    m_lists.buildMeetList();
    hide();
}
