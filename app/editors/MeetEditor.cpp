#include "MeetEditor.h"

#include "data/DatabaseError.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/SheetTyping.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "records/MeetChangedError.h"
#include "records/MeetSheet.h"
#include "records/ResultLine.h"
#include "ui/Controls.h"
#include "ui/DateBox.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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
        connect(slot->button, &QPushButton::clicked, this, [this, slot] {
            m_keyboardPick = false;
            pickRunner(*slot);
        });
    m_typing = new SheetTyping(m_slots, app, this);
    m_typing->onRunnerKeys([this](const SheetSlot* slot, const QString& typed) {
        // While the picker is open, keys typed before it took the keyboard belong to it.
        RunnerSelector* picker = m_windows.runnerSelector();
        if (m_picking && picker->isVisible()) {
            if (typed.isEmpty())
                picker->chooseFound();
            else
                picker->search()->insert(typed);
            return true;
        }
        // Enter, or a letter that starts the search; the space bar still presses the button.
        if (!typed.isEmpty() && !typed.at(0).isLetter())
            return false;
        m_keyboardPick = true;
        pickRunner(*slot, typed);
        return true;
    });
    connect(m_typing, &SheetTyping::changed, this, &MeetEditor::refreshGaps);
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
    // The date can be typed: its box takes the calendar's top, which gives up that height.
    m_dateBox = new DateBox(this);
    m_dateBox->setObjectName(QStringLiteral("meetDate"));
    m_dateBox->setAccessibleName(QStringLiteral("Date"));
    m_dateBox->setGeometry(Twips::rect(6360, 4320, 1800, 315));
    m_timeBox->setGeometry(Twips::rect(6360, 4680, 5055, 2655));
    connect(m_timeBox, &QCalendarWidget::selectionChanged, this,
            [this] { m_dateBox->setDate(m_timeBox->selectedDate()); });
    connect(m_dateBox, &DateBox::dateTyped, m_timeBox, &QCalendarWidget::setSelectedDate);
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
    order << m_schoolBox << m_dateBox << m_timeBox << m_meetPlace << m_weatherBox << m_reportButton
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
    m_loading = true;
    clearSheet();
    m_meetPin = meetPin;
    m_teamPin = sheet->team;
    m_loadedDate = sheet->date;
    m_loadedTime = sheet->time;
    m_loadedStamp = sheet->changedAt;
    // A meet without a date starts on today, and Save writes what the calendar shows.
    m_timeBox->setSelectedDate(m_loadedDate.isValid() ? m_loadedDate : QDate::currentDate());
    m_weatherBox->setText(sheet->weather);
    m_schoolBox->setText((sheet->host ? number(*sheet->host) : QString()) + QLatin1Char(' ') +
                         sheet->hostName);
    m_meetPlace->setText(sheet->place);
    m_slots.show(*sheet);
    m_dateBox->setDate(m_timeBox->selectedDate());
    m_typing->loaded();
    QHash<qint64, QString> bests;
    UserAction::run(this, QStringLiteral("The runners' bests could not be read."), [&] {
        const QHash<qint64, Bests::Flag> flags = Bests::flagsOfMeet(m_app.connection(), meetPin);
        for (auto it = flags.cbegin(); it != flags.cend(); ++it)
            if (it.value() != Bests::Flag::None)
                bests.insert(it.key(), Bests::word(it.value()));
    });
    m_slots.markBests(bests);
    m_loading = false;
    refreshGaps();
    describeChoices();
    markUnchanged();
    if (m_weatherBox->text() == QLatin1String("New Meet"))
        offerForTyping(m_weatherBox);
    return true;
}

void MeetEditor::pickRunner(const SheetSlot& slot, const QString& search)
{
    // The other entries of the event, which the picked runner must not be in already.
    QList<const SheetSlot*> siblings;
    const QString event = eventCaption(m_slots.eventOf(slot, &siblings));
    QList<RunnerSelector::Entry> others;
    for (const SheetSlot* s : siblings) {
        if (s != &slot)
            others << RunnerSelector::Entry{s->button, s->label};
    }
    RunnerSelector* picker = m_windows.runnerSelector();
    connect(picker, &RunnerSelector::chosen, this, &MeetEditor::runnerChosen, Qt::UniqueConnection);
    connect(picker, &RunnerSelector::cancelled, this, &MeetEditor::pickCancelled,
            Qt::UniqueConnection);
    m_picking = &slot;
    picker->build(m_teamPin, slot.button, slot.label, event, others,
                  SheetControls::entryName(slot));
    picker->search()->setText(search);
    picker->placeBeside(slot.button);
    ProgramWindows::present(picker);
}

void MeetEditor::runnerChosen()
{
    describeChoices();
    refreshGaps();
    const SheetSlot* slot = std::exchange(m_picking, nullptr);
    if (!slot)
        return;
    QList<const SheetSlot*> siblings;
    const int event = m_slots.eventOf(*slot, &siblings);
    const SheetSlot& boxes =
        m_slots.slotAt(event, event < Individual && slot == &m_slots.second(event) ? 1 : 0);
    // Results typed with the name go into the slot, and the next slot's runner comes next.
    if (const ResultLine line = m_windows.runnerSelector()->results(); line.hasResults()) {
        QWidget* next = m_typing->enterResults(boxes, line);
        activateWindow();
        if (next)
            next->setFocus();
        return;
    }
    // From the keyboard a relay's empty legs are picked in a row; after the last one, or an
    // individual entry, the results come next.
    const qsizetype leg = siblings.indexOf(slot);
    if (m_keyboardPick && event >= Individual && leg + 1 < siblings.size() &&
        siblings.at(leg + 1)->button->text().isEmpty()) {
        pickRunner(*siblings.at(leg + 1));
        return;
    }
    activateWindow();
    boxes.place->setFocus();
}

void MeetEditor::pickCancelled()
{
    if (const SheetSlot* slot = std::exchange(m_picking, nullptr)) {
        activateWindow();
        slot->button->setFocus();
    }
}

void MeetEditor::refreshGaps()
{
    if (m_loading)
        return;
    try {
        m_slots.markGaps(sheet().gaps());
    } catch (const DatabaseError&) {
        // A slot the program left unreadable: Save names it.
    }
}

void MeetEditor::pickHost()
{
    TeamSelector* picker = m_windows.teamSelector();
    connect(picker, &TeamSelector::chosen, this, &MeetEditor::describeChoices,
            Qt::UniqueConnection);
    picker->build(m_schoolBox);
    ProgramWindows::present(picker);
}

MeetSheet MeetEditor::sheet() const
{
    MeetSheet sheet;
    sheet.meet = m_meetPin;
    sheet.team = m_teamPin;
    sheet.changedAt = m_loadedStamp;
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
    m_slots.readInto(sheet);
    return sheet;
}

bool MeetEditor::save()
{
    std::optional<MeetSheet> typed;
    if (!UserAction::run(this, QStringLiteral("The meet was not saved; nothing was changed."),
                         [&] { typed = sheet(); }))
        return false;
    if (DateBox::read(m_dateBox->text()) != typed->date) {
        Dialogs::tell(this,
                      MeetSheet::refusal(m_dateBox->accessibleName(), m_dateBox->accessibleName(),
                                         m_dateBox->text(),
                                         QStringLiteral("a date such as ") +
                                             QLocale().toString(typed->date, DateBox::format())) +
                          QStringLiteral(" Nothing was saved."),
                      Dialogs::Icon::Warning);
        m_dateBox->setFocus();
        return false;
    }
    if (const std::optional<MeetSheet::Problem> problem = typed->check()) {
        Dialogs::tell(this, problem->message, Dialogs::Icon::Warning);
        QLineEdit* bad = m_slots.boxOf(*problem);
        bad->setFocus();
        bad->selectAll();
        return false;
    }
    if (const QList<MeetSheet::Gap> gaps = typed->gaps(); !gaps.isEmpty()) {
        QStringList lines;
        for (const MeetSheet::Gap& gap : gaps)
            lines << gap.text;
        if (!Dialogs::confirm(this, QStringLiteral("Some entries are not complete:\n\n") +
                                        lines.join(QLatin1Char('\n')) +
                                        QStringLiteral("\n\nResults without a runner are not "
                                                       "saved. Save the meet anyway?"))) {
            const SheetSlot& slot = m_slots.slotAt(gaps.first().event, gaps.first().entry);
            (gaps.first().noMark ? static_cast<QWidget*>(slot.mark1) : slot.button)->setFocus();
            return false;
        }
    }
    std::optional<MeetChangedError> changed;
    if (!UserAction::run(this, QStringLiteral("The meet was not saved; nothing was changed."), [&] {
            try {
                typed->save(m_app.connection(), m_app.userName());
            } catch (const MeetChangedError& e) {
                changed = e;
            }
        }))
        return false;
    if (changed) {
        // Their results stand; the coach may look at them, or keep the typed sheet open.
        if (Dialogs::ask(this, changed->message()))
            build(m_meetPin);
        return false;
    }
    m_loadedDate = typed->date;
    m_loadedTime = typed->time;
    m_loadedStamp = typed->changedAt;
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
