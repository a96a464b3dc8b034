#include "MeetEditor.h"

#include "data/DatabaseError.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString number(qint64 n)
{
    return QString::number(n);
}

} // namespace

MeetEditor::MeetEditor(AppContext& app, MainLists& lists, ProgramWindows& windows)
    : m_app(app), m_lists(lists), m_windows(windows), m_slots(this)
{
    setObjectName(QStringLiteral("meetInfo"));
    setWindowTitle(QStringLiteral("Meet Information"));
    setFixedSize(Twips::size(11865, 8415));
    for (const SheetSlot* slot : m_slots.all())
        connect(slot->button, &QPushButton::clicked, this, [this, slot] { pickRunner(*slot); });
    buildMeetControls();
    setTabOrder();
    clearSheet();
}

QString MeetEditor::eventCaption(int event)
{
    return MeetSheet::eventName(event);
}

const SheetSlot& MeetEditor::relayLeg(int relay, int leg) const
{
    return m_slots.relayLeg(relay, leg);
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
    QList<QWidget*> order = m_slots.tabOrder();
    order << m_schoolBox << m_timeBox << m_meetPlace << m_weatherBox << m_reportButton
          << m_deleteButton << m_updateButton;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MeetEditor::clearSheet()
{
    m_slots.clear();
    m_schoolBox->setText(QString());
    m_meetPlace->clear();
    m_weatherBox->clear();
    describeChoices();
}

void MeetEditor::describeChoices()
{
    m_slots.describeRunners();
    // The caption is "Pin School": the reader is told the school.
    const QString school = m_schoolBox->text().section(QLatin1Char(' '), 1).trimmed();
    m_schoolBox->setAccessibleName(QStringLiteral("Hosting School: ") +
                                   (school.isEmpty() ? QStringLiteral("none chosen") : school));
}

QString MeetEditor::snapshot() const
{
    QStringList values;
    auto add = [&values](const SheetSlot& s) {
        values << s.button->text() << s.label->text() << s.place->text() << s.points->text()
               << s.mark1->text() << s.mark2->text();
    };
    for (const SheetSlot* s : m_slots.all())
        add(*s);
    values << m_schoolBox->text() << m_timeBox->selectedDate().toString(Qt::ISODate)
           << m_meetPlace->text() << m_weatherBox->text();
    return values.join(QChar(0));
}

QString MeetEditor::saveQuestion() const
{
    return QStringLiteral("Save the changes to this meet?");
}

void MeetEditor::showSlot(const SheetSlot& slot, const MeetSheet::Entry& entry, qint64 join)
{
    slot.button->setText(entry.name);
    slot.button->setEnabled(true);
    slot.label->setText(number(entry.runner) + QLatin1Char(' ') + number(join));
}

void MeetEditor::showNumbers(const SheetSlot& slot, const MeetSheet::Numbers& numbers)
{
    slot.place->setText(numbers.place);
    slot.points->setText(numbers.points);
    slot.mark1->setText(numbers.mark1);
    slot.mark2->setText(numbers.mark2);
}

bool MeetEditor::build(qint64 meetPin)
{
    std::optional<MeetSheet> sheet;
    if (!UserAction::run(this, QStringLiteral("The meet could not be read."),
                         [&] { sheet = MeetSheet::load(m_app.connection(), meetPin); }))
        return false;
    if (!sheet) {
        Dialogs::tell(this, QStringLiteral("This meet is no longer in the database."),
                      Dialogs::Icon::Warning);
        return false;
    }
    clearSheet();
    m_meetPin = meetPin;
    m_teamPin = sheet->team;
    m_loadedDate = sheet->date;
    m_loadedTime = sheet->time;
    // A meet without a date starts on today, and Save writes what the calendar shows.
    m_timeBox->setSelectedDate(m_loadedDate.isValid() ? m_loadedDate : QDate::currentDate());
    m_weatherBox->setText(sheet->weather);
    m_schoolBox->setText((sheet->host ? number(*sheet->host) : QString()) + QLatin1Char(' ') +
                         sheet->hostName);
    m_meetPlace->setText(sheet->place);
    for (size_t e = 0; e < Individual; ++e) {
        for (const auto& [slot, entry] : {std::pair{&m_slots.first(int(e)), &sheet->first[e]},
                                          std::pair{&m_slots.second(int(e)), &sheet->second[e]}}) {
            if (!entry->exists)
                continue;
            showSlot(*slot, *entry, entry->join);
            showNumbers(*slot, entry->numbers);
        }
    }
    for (int r = 0; r < Relays; ++r) {
        const MeetSheet::Relay& relay = sheet->relays[static_cast<size_t>(r)];
        for (int k = 0; k < 4; ++k) {
            if (relay.legs[static_cast<size_t>(k)].exists)
                showSlot(relayLeg(r, k), relay.legs[static_cast<size_t>(k)], 1);
        }
        if (relay.legs[0].exists)
            showNumbers(relayLeg(r, 0), relay.numbers);
    }
    describeChoices();
    markUnchanged();
    if (m_weatherBox->text() == QLatin1String("New Meet"))
        offerForTyping(m_weatherBox);
    return true;
}

QList<const SheetSlot*> MeetEditor::eventSlots(const SheetSlot& slot, QString* event) const
{
    for (int e = 0; e < Individual; ++e) {
        const SheetSlot* first = &m_slots.first(e);
        const SheetSlot* second = &m_slots.second(e);
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

namespace {

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
    return {slot.place->text(), slot.points->text(), slot.mark1->text(), slot.mark2->text()};
}

} // namespace

MeetSheet MeetEditor::sheet() const
{
    MeetSheet sheet;
    sheet.meet = m_meetPin;
    sheet.team = m_teamPin;
    sheet.date = m_timeBox->selectedDate();
    // A date that did not change keeps its time of day.
    if (sheet.date == m_loadedDate)
        sheet.time = m_loadedTime;
    bool hostOk = false;
    const qint64 host = m_schoolBox->text().section(QLatin1Char(' '), 0, 0).toLongLong(&hostOk);
    if (hostOk)
        sheet.host = host;
    sheet.hostName = m_schoolBox->text().section(QLatin1Char(' '), 1);
    sheet.place = m_meetPlace->text();
    sheet.weather = m_weatherBox->text();
    auto entry = [](const SheetSlot& slot) {
        MeetSheet::Entry e;
        e.exists = !slot.label->text().isEmpty();
        e.name = slot.button->text();
        if (!e.name.isEmpty()) {
            e.runner = labelRunner(slot.label);
            e.join = slot.label->text().section(QLatin1Char(' '), 1, 1).toLongLong();
        }
        e.numbers = numbersIn(slot);
        return e;
    };
    for (size_t e = 0; e < Individual; ++e) {
        sheet.first[e] = entry(m_slots.first(int(e)));
        sheet.second[e] = entry(m_slots.second(int(e)));
    }
    for (int r = 0; r < Relays; ++r) {
        MeetSheet::Relay& relay = sheet.relays[static_cast<size_t>(r)];
        for (int k = 0; k < 4; ++k)
            relay.legs[static_cast<size_t>(k)] = entry(relayLeg(r, k));
        relay.numbers = numbersIn(relayLeg(r, 0));
    }
    return sheet;
}

QLineEdit* MeetEditor::boxOf(const MeetSheet::Problem& problem) const
{
    const SheetSlot& slot = problem.event >= Individual ? relayLeg(problem.event - Individual, 0)
                            : problem.entry == 0        ? m_slots.first(problem.event)
                                                        : m_slots.second(problem.event);
    QLineEdit* const boxes[] = {slot.place, slot.points, slot.mark1, slot.mark2};
    return boxes[problem.box];
}

bool MeetEditor::save()
{
    std::optional<MeetSheet> typed;
    if (!UserAction::run(this, QStringLiteral("The meet was not saved; nothing was changed."),
                         [&] { typed = sheet(); }))
        return false;
    if (const std::optional<MeetSheet::Problem> problem = typed->check()) {
        Dialogs::tell(this, problem->message, Dialogs::Icon::Warning);
        QLineEdit* bad = boxOf(*problem);
        bad->setFocus();
        bad->selectAll();
        return false;
    }
    if (!UserAction::run(this, QStringLiteral("The meet was not saved; nothing was changed."),
                         [&] { typed->save(m_app.connection()); }))
        return false;
    m_loadedDate = typed->date;
    m_loadedTime = typed->time;
    markUnchanged();
    m_lists.buildMeetList();
    hide();
    return true;
}

void MeetEditor::remove()
{
    if (!Dialogs::ask(this, QStringLiteral("Delete Meet?")))
        return;
    if (!UserAction::run(this, QStringLiteral("The meet was not deleted; nothing was changed."),
                         [&] { MeetSheet::remove(m_app.connection(), m_meetPin); }))
        return;
    m_lists.buildMeetList();
    hide();
}
