#include "SheetTyping.h"

#include "editors/SheetControls.h"
#include "records/AppContext.h"
#include "records/MarkText.h"
#include "records/MeetSheet.h"
#include "records/ResultLine.h"
#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Points the scoring table wrote; typed points are the coach's and stay.
const char* const kAutoPoints = "autoPoints";

} // namespace

SheetTyping::SheetTyping(AppContext& app, QWidget* window,
                         std::function<QList<QWidget*>()> tabOrder)
    : QObject(window), m_app(app), m_window(window), m_tabOrder(std::move(tabOrder))
{
}

SheetTyping::SheetTyping(const SheetControls& sheet, AppContext& app, QWidget* window)
    : SheetTyping(app, window, [&sheet] { return sheet.tabOrder(); })
{
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        addSlot(&sheet.first(e), e, 0);
        addSlot(&sheet.second(e), e, 1);
    }
    for (int r = 0; r < MeetSheet::Relays; ++r)
        addSlot(&sheet.relayLeg(r, 0), MeetSheet::Individual + r, 0);
    for (const SheetSlot* slot : sheet.all())
        addButton(slot);
}

void SheetTyping::addSlot(const SheetSlot* slot, int event, int entry)
{
    QLineEdit* const boxes[] = {slot->place, slot->points, slot->mark1, slot->mark2};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = boxes[i];
        m_boxes.insert(box, Box{slot, box, event, entry, i});
        connect(box, &QLineEdit::textChanged, this, &SheetTyping::changed);
        if (i >= 2) {
            box->installEventFilter(this);
            connect(box, &QLineEdit::editingFinished, this, [this, box] {
                if (m_boxes.contains(box))
                    takeMark(box);
            });
        }
    }
    connect(slot->place, &QLineEdit::textEdited, this, [this, place = slot->place] {
        if (m_boxes.contains(place))
            placeTyped(m_boxes.value(place));
    });
    connect(slot->points, &QLineEdit::textEdited, this,
            [points = slot->points] { points->setProperty(kAutoPoints, false); });
    addButton(slot);
}

void SheetTyping::addButton(const SheetSlot* slot)
{
    if (m_buttons.contains(slot->button))
        return;
    m_buttons.insert(slot->button, slot);
    slot->button->installEventFilter(this);
}

void SheetTyping::clearSlots()
{
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        disconnect(it.value().widget, nullptr, this, nullptr);
    m_boxes.clear();
    m_buttons.clear();
}

void SheetTyping::loaded()
{
    for (const Box& box : m_boxes) {
        box.widget->setProperty(kAutoPoints, false);
        box.widget->setToolTip(QString());
    }
}

void SheetTyping::placeTyped(const Box& box)
{
    if (m_app.scoring() == Scoring::Table::None)
        return;
    QLineEdit* points = box.slot->points;
    const QString now = points->text().trimmed();
    if (!points->property(kAutoPoints).toBool() && !now.isEmpty() && now != QLatin1String("0"))
        return;
    points->setText(Scoring::points(m_app.scoring(), box.slot->place->text(),
                                    box.event >= MeetSheet::Individual)
                        .value_or(QStringLiteral("0")));
    points->setProperty(kAutoPoints, true);
}

bool SheetTyping::takeMark(QLineEdit* box)
{
    const Box b = m_boxes.value(box);
    return apply(b, box, MarkText::read(box->text(), MeetSheet::isField(b.event), b.index - 2));
}

bool SheetTyping::apply(const Box& b, QLineEdit* box, const MarkText& mark)
{
    switch (mark.kind) {
    case MarkText::Kind::Plain:
        // A number typed over a metric mark: the metric no longer says what the boxes hold.
        b.slot->mark1->setToolTip(QString());
        b.slot->mark2->setToolTip(QString());
        return true;
    case MarkText::Kind::Whole:
        b.slot->mark1->setText(mark.first);
        b.slot->mark2->setText(mark.second);
        for (QLineEdit* half : {b.slot->mark1, b.slot->mark2})
            half->setToolTip(mark.metric.isEmpty() ? QString()
                                                   : QStringLiteral("Typed as ") + mark.metric);
        return true;
    case MarkText::Kind::Refused:
        break;
    }
    const bool field = MeetSheet::isField(b.event);
    Dialogs::tell(m_window,
                  MeetSheet::refusal(MeetSheet::where(b.event, b.entry),
                                     MeetSheet::boxName(field, box == b.slot->mark2 ? 3 : 2),
                                     box->text(), mark.must),
                  Dialogs::Icon::Warning);
    box->setFocus();
    box->selectAll();
    return false;
}

QWidget* SheetTyping::enterResults(const SheetSlot& slot, const ResultLine& line)
{
    const Box b = m_boxes.value(slot.place);
    slot.place->setText(line.place);
    placeTyped(b);
    if (!line.mark.isEmpty()) {
        const Box markBox = m_boxes.value(slot.mark1);
        const MarkText mark = MarkText::readWhole(line.mark, MeetSheet::isField(b.event));
        if (mark.kind == MarkText::Kind::Refused)
            slot.mark1->setText(line.mark);
        if (!apply(markBox, slot.mark1, mark))
            return slot.mark1;
    }
    return afterSlot(&slot);
}

QWidget* SheetTyping::afterSlot(const SheetSlot* slot) const
{
    const QList<QWidget*> order = m_tabOrder();
    const qsizetype at = order.indexOf(slot->mark2);
    return at >= 0 && at + 1 < order.size() ? order.at(at + 1) : nullptr;
}

bool SheetTyping::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (const SheetSlot* slot = m_buttons.value(watched)) {
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if ((enter || typed) && m_runnerKeys && m_runnerKeys(slot, enter ? QString() : key->text()))
            return true;
        return QObject::eventFilter(watched, event);
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier &&
        m_boxes.value(box).index == 2) {
        const Box b = m_boxes.value(box);
        const MarkText mark = MarkText::read(box->text(), MeetSheet::isField(b.event), 0);
        if (mark.kind == MarkText::Kind::Plain)
            return QObject::eventFilter(watched, event);
        // A whole mark fills both boxes: the next slot's runner comes next.
        if (takeMark(box)) {
            if (QWidget* next = afterSlot(b.slot))
                next->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
