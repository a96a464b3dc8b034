#include "SheetMarks.h"

#include "editors/SheetControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void SheetMarks::bests(SheetControls& sheet, const QHash<qint64, QString>& words)
{
    bool changed = false;
    for (int e = 0; e < MeetSheet::Individual; ++e)
        for (const SheetSlot* s : {&sheet.first(e), &sheet.second(e)}) {
            const qint64 join = s->label->text().section(QLatin1Char(' '), 1, 1).toLongLong();
            const QString word = words.value(join);
            // Marked again at every key: only what changes is touched.
            if (s->button->property(SheetControls::BestProperty).toString() == word &&
                s->button->font().bold() == !word.isEmpty())
                continue;
            s->button->setProperty(SheetControls::BestProperty, word);
            s->button->setToolTip(word.isEmpty() ? QString()
                                  : word.trimmed() == QLatin1String("PR")
                                      ? QStringLiteral("PR: the runner's best as of this meet")
                                      : QStringLiteral("SB: the runner's best of the season as of "
                                                       "this meet"));
            QFont font = s->button->font();
            font.setBold(!word.isEmpty());
            s->button->setFont(font);
            changed = true;
        }
    if (changed)
        sheet.describeRunners();
}

void SheetMarks::gaps(const SheetControls& sheet, const QList<MeetSheet::Gap>& gaps)
{
    QHash<QWidget*, QString> lacks;
    for (const MeetSheet::Gap& gap : gaps) {
        const SheetSlot& slot = sheet.slotAt(gap.event, gap.entry);
        if (gap.noMark) {
            lacks.insert(slot.mark1, QStringLiteral("No mark for this runner"));
            lacks.insert(slot.mark2, QStringLiteral("No mark for this runner"));
        } else {
            lacks.insert(slot.button, QStringLiteral("Results but no runner"));
        }
    }
    // Only what changes is repainted: the sheet is marked again at every key.
    static const QColor missing(255, 226, 160);
    for (const SheetSlot* s : sheet.all()) {
        for (QWidget* w : {static_cast<QWidget*>(s->button), static_cast<QWidget*>(s->mark1),
                           static_cast<QWidget*>(s->mark2)}) {
            const QString lack = lacks.value(w);
            if (w->accessibleDescription() == lack)
                continue;
            QPalette palette = w->palette();
            const QPalette::ColorRole role =
                qobject_cast<QLineEdit*>(w) ? QPalette::Base : QPalette::Button;
            palette.setColor(role, lack.isEmpty() ? QPalette().color(role) : missing);
            w->setPalette(palette);
            w->setAccessibleDescription(lack);
        }
    }
}
