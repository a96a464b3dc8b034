#include "MeetEditor.h"

#include "data/DatabaseError.h"
#include "editors/DivisionBar.h"
#include "editors/DivisionWindow.h"
#include "editors/EntryPicker.h"
#include "editors/FurtherEntries.h"
#include "editors/LiveBests.h"
#include "editors/MeetFields.h"
#include "editors/MoreEntriesWindow.h"
#include "editors/ProgramWindows.h"
#include "editors/SheetMarks.h"
#include "editors/SheetTyping.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "records/MeetChangedError.h"
#include "records/TrackLists.h"
#include "ui/DateBox.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

MeetEditor::MeetEditor(AppContext& app, MainLists& lists, ProgramWindows& windows)
    : m_app(app), m_lists(lists), m_windows(windows), m_area(new QWidget(this)), m_slots(m_area)
{
    setObjectName(QStringLiteral("meetInfo"));
    setWindowTitle(QStringLiteral("Meet Information"));
    setFixedSize(Twips::size(SheetControls::width(), 8415 + DivisionBar::Height));
    m_area->setObjectName(QStringLiteral("meetSheet"));
    m_area->setGeometry(Twips::rect(0, DivisionBar::Height, SheetControls::width(), 8415));
    m_bar = new DivisionBar(this);
    connect(m_bar, &DivisionBar::chosen, this, &MeetEditor::showDivision);
    connect(m_bar, &DivisionBar::addRequested, this, &MeetEditor::addDivision);
    connect(m_bar, &DivisionBar::removeRequested, this, &MeetEditor::removeDivision);
    m_bests = new LiveBests(app, m_slots, this, [this] { return current(); });
    m_typing = new SheetTyping(m_slots, app, this);
    m_picker = new EntryPicker(windows, m_slots, *m_typing, this);
    m_further = new FurtherEntries(app, m_slots, *m_picker, this, [this]() -> Division* {
        return m_division >= 0 && m_division < m_sheet.divisions.size()
                   ? &m_sheet.divisions[m_division]
                   : nullptr;
    });
    connect(m_further, &FurtherEntries::changed, this, &MeetEditor::refreshMarks);
    m_picker->onOffer([this](int event) {
        return EntryPicker::Offer{m_teamPin, m_sheet.divisions.value(m_division).gender,
                                  m_further->runnersOf(event)};
    });
    connect(m_picker, &EntryPicker::picked, this, [this] {
        describeChoices();
        refreshMarks();
    });
    for (const SheetSlot* slot : m_slots.all())
        connect(slot->button, &QPushButton::clicked, this,
                [this, slot] { m_picker->pick(*slot, QString(), false); });
    m_typing->onRunnerKeys([this](const SheetSlot* slot, const QString& typed) {
        return m_picker->keys(slot, typed);
    });
    connect(m_typing, &SheetTyping::changed, this, &MeetEditor::refreshMarks);
    buildMeetControls();
    setTabOrder();
    clearSheet();
}

MeetEditor::~MeetEditor()
{
    // The window is put away after its parts are gone; the focus leaving a date typed there
    // must not announce it to them.
    m_fields->dateBox->blockSignals(true);
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
    m_fields = std::make_unique<MeetFields>(m_area, SheetControls::rightShift());
    setUpdateButton(m_fields->updateButton);
    connect(m_fields->schoolBox, &QPushButton::clicked, this, &MeetEditor::pickHost);
    // Another date may put the meet in another season, or before a runner's other marks.
    connect(m_fields->dateBox, &DateBox::dateTyped, this, &MeetEditor::refreshMarks);
    connect(m_fields->timeBox, &QCalendarWidget::selectionChanged, this, &MeetEditor::refreshMarks);
    connect(m_fields->updateButton, &QPushButton::clicked, this, &MeetEditor::save);
    connect(m_fields->deleteButton, &QPushButton::clicked, this, &MeetEditor::remove);
    connect(m_fields->reportButton, &QPushButton::clicked, this,
            [this] { emit reportRequested(m_meetPin); });
}

void MeetEditor::setTabOrder()
{
    QList<QWidget*> order{m_bar->divisions(), m_bar->addButton(), m_bar->removeButton()};
    order << m_slots.tabOrder() << m_fields->tabOrder();
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MeetEditor::clearSheet()
{
    m_slots.clear();
    m_fields->clear();
    describeChoices();
}

void MeetEditor::describeChoices()
{
    m_slots.describeRunners();
    m_fields->describeHost();
}

QString MeetEditor::snapshot() const
{
    try {
        return current().fingerprint();
    } catch (const DatabaseError&) {
        // A slot the program left unreadable counts as a change: Save names it.
        return QString();
    }
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
    m_further->close();
    m_sheet = *sheet;
    m_meetPin = meetPin;
    m_teamPin = sheet->team;
    // Marked once the division is shown, not at every box the old sheet clears.
    m_loading = true;
    clearSheet();
    m_fields->show(*sheet);
    m_bests->load(*sheet);
    m_division = -1;
    showDivision(0);
    markUnchanged();
    if (m_fields->weatherBox->text() == QLatin1String("New Meet"))
        offerForTyping(m_fields->weatherBox);
    return true;
}

void MeetEditor::showDivision(int division)
{
    if (division < 0 || division >= m_sheet.divisions.size())
        return;
    // What was typed into the division on show stays with it, its further entries too.
    m_further->close();
    if (m_division >= 0 && m_division < m_sheet.divisions.size() &&
        !UserAction::run(this, QStringLiteral("The division could not be changed."),
                         [&] { m_slots.readInto(m_sheet.divisions[m_division]); })) {
        showDivisionList();
        return;
    }
    m_loading = true;
    m_division = division;
    m_slots.clear();
    m_slots.show(m_sheet.divisions[division]);
    m_typing->loaded();
    m_loading = false;
    showDivisionList();
    refreshMarks();
    describeChoices();
}

void MeetEditor::showDivisionList()
{
    QStringList titles;
    for (int d = 0; d < m_sheet.divisions.size(); ++d)
        titles << m_sheet.divisions[d].caption(d);
    m_bar->show(titles, m_division);
}

MeetSheet MeetEditor::current() const
{
    MeetSheet sheet = m_sheet;
    sheet.meet = m_meetPin;
    sheet.team = m_teamPin;
    m_fields->readInto(sheet);
    if (m_division >= 0 && m_division < sheet.divisions.size()) {
        m_slots.readInto(sheet.divisions[m_division]);
        m_further->applyTo(sheet.divisions[m_division]);
    }
    return sheet;
}

void MeetEditor::refreshMarks()
{
    if (m_loading)
        return;
    try {
        const MeetSheet sheet = current();
        QList<MeetSheet::Gap> shown;
        for (const MeetSheet::Gap& gap : sheet.gaps())
            if (gap.division == m_division && gap.entry < (gap.event < Individual ? 2 : 1))
                shown << gap;
        SheetMarks::gaps(m_slots, shown);
        m_bar->showPoints(sheet.divisions.value(m_division).points());
        // A runner picked or a mark typed may make or unmake a PR.
        m_bests->changed();
    } catch (const DatabaseError&) {
        // A slot the program left unreadable: Save names it.
    }
}

void MeetEditor::pickHost()
{
    TeamSelector* picker = m_windows.teamSelector();
    connect(picker, &TeamSelector::chosen, this, &MeetEditor::describeChoices,
            Qt::UniqueConnection);
    picker->build(m_fields->schoolBox);
    ProgramWindows::present(picker);
}

void MeetEditor::hideEvent(QHideEvent* event)
{
    m_further->close();
    RecordWindow::hideEvent(event);
}

void MeetEditor::addDivision()
{
    if (m_sheet.divisions.size() >= MeetSheet::MaxDivisions) {
        Dialogs::tell(
            this, QStringLiteral("A meet holds at most %1 divisions.").arg(MeetSheet::MaxDivisions),
            Dialogs::Icon::Warning);
        return;
    }
    if (!m_divisionWindow)
        m_divisionWindow = new DivisionWindow(this);
    QStringList taken;
    for (const Division& d : std::as_const(m_sheet.divisions))
        taken << d.title();
    m_divisionWindow->ask(taken, [this](const QString& name, const QString& gender) {
        if (m_sheet.divisions.size() >= MeetSheet::MaxDivisions)
            return;
        m_sheet.divisions << Division::fresh(name, gender);
        showDivision(static_cast<int>(m_sheet.divisions.size()) - 1);
    });
}

void MeetEditor::removeDivision()
{
    if (m_sheet.divisions.size() < 2)
        return;
    MeetSheet sheet;
    if (!UserAction::run(this, QStringLiteral("The division was not removed."),
                         [&] { sheet = current(); }))
        return;
    const Division& division = sheet.divisions[m_division];
    const QString title = division.title().isEmpty()
                              ? QStringLiteral("Division %1").arg(m_division + 1)
                              : division.title();
    if (division.hasResults() &&
        !Dialogs::ask(this, QStringLiteral("The division \"%1\" holds results. Remove it with "
                                           "all of them when the meet is saved?")
                                .arg(title)))
        return;
    if (division.pin > 0)
        m_sheet.droppedDivisions << division.pin;
    m_sheet.divisions.removeAt(m_division);
    const int next = std::max(0, m_division - 1);
    m_division = -1;
    showDivision(next);
}

QWidget* MeetEditor::goTo(int division, int event, int entry, int box)
{
    if (division != m_division)
        showDivision(division);
    const bool more = event < Individual ? entry >= 2 : entry >= 1;
    // A leg's split box is in the leg's own slot.
    const int leg = box >= MeetSheet::SplitBox ? box - MeetSheet::SplitBox : 0;
    const SheetSlot* slot = nullptr;
    if (more) {
        m_further->open(event);
        const QList<const SheetSlot*> shown = m_further->window()->entrySlots();
        const int row = event < Individual ? entry - 2 : 4 * (entry - 1) + leg;
        slot = shown.value(row);
    } else {
        slot = event < Individual ? &m_slots.slotAt(event, entry)
                                  : &m_slots.relayLeg(event - Individual, leg);
    }
    if (!slot)
        return nullptr;
    QWidget* const widgets[] = {slot->button, slot->place, slot->points,
                                slot->mark1,  slot->mark2, slot->split};
    QWidget* target = widgets[std::clamp(box + 1, 0, box >= MeetSheet::SplitBox ? 5 : 4)];
    target->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->selectAll();
    return target;
}

bool MeetEditor::save()
{
    const QString notSaved = QStringLiteral("The meet was not saved; nothing was changed.");
    std::optional<MeetSheet> typed;
    if (!UserAction::run(this, notSaved, [&] { typed = current(); }))
        return false;
    if (const std::optional<QString> bad = m_fields->badDate(typed->date)) {
        Dialogs::tell(this, *bad, Dialogs::Icon::Warning);
        m_fields->dateBox->setFocus();
        return false;
    }
    for (int d = 0; d < typed->divisions.size(); ++d)
        if (const std::optional<QString> bad = typed->badDivisionName(d)) {
            showDivision(d);
            Dialogs::tell(this, *bad, Dialogs::Icon::Warning);
            m_bar->divisions()->setFocus();
            return false;
        }
    if (const std::optional<MeetSheet::Problem> problem = typed->check()) {
        Dialogs::tell(this, problem->message, Dialogs::Icon::Warning);
        goTo(problem->division, problem->event, problem->entry, problem->box);
        return false;
    }
    // "2.33" in the 800 m is most likely 2:33: the coach decides, slot by slot.
    const QList<SheetDoubts::Offer> offers = SheetDoubts::offers(*typed);
    for (const SheetDoubts::Offer& o : offers)
        if (Dialogs::ask(this, o.question))
            for (const auto& [box, text] : {std::pair{2, o.mark1}, std::pair{3, o.mark2}})
                if (auto* line = qobject_cast<QLineEdit*>(goTo(o.division, o.event, o.entry, box)))
                    line->setText(text);
    if (!offers.isEmpty() && !UserAction::run(this, QStringLiteral("The meet was not saved."),
                                              [&] { typed = current(); }))
        return false;
    const QList<SheetDoubts::Doubt> doubts = SheetDoubts::doubts(*typed);
    const QList<MeetSheet::Gap> gaps = typed->gaps();
    QList<MeetSheet::Crossing> crossings;
    UserAction::check(this, QStringLiteral("The runners' genders could not be read."), [&] {
        crossings = typed->crossings(TrackLists::genders(m_app.connection(), m_teamPin));
    });
    if (const QString question = MeetSheet::confirmation(gaps, crossings, doubts);
        !question.isEmpty() && !Dialogs::confirm(this, question)) {
        if (!gaps.isEmpty())
            goTo(gaps.first().division, gaps.first().event, gaps.first().entry,
                 gaps.first().noMark ? 2 : -1);
        else if (!doubts.isEmpty())
            goTo(doubts.first().division, doubts.first().event, doubts.first().entry, 2);
        return false;
    }
    std::optional<MeetChangedError> changed;
    if (!UserAction::runRetrying(this, notSaved, [&] {
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
    m_further->close();
    m_sheet = *typed;
    m_fields->setLoaded(typed->date, typed->time);
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
    m_further->close();
    m_lists.buildMeetList();
    hide();
}
