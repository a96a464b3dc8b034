#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class AppContext;
class MarkText;
class QLineEdit;
class QWidget;
class SheetControls;
struct ResultLine;
struct SheetSlot;

// What the meet sheet does as the coach types a results sheet into it: a whole mark typed into
// one mark box fills both, a mark that cannot be read is refused as the box is left, a place
// fills the points from the scoring table (until points are typed), and the keyboard moves
// along the sheet: keys on a runner button go to its picker, and Tab after a whole mark goes on
// to the next slot's runner.
class SheetTyping : public QObject
{
    Q_OBJECT
public:
    SheetTyping(const SheetControls& sheet, AppContext& app, QWidget* window);
    // Typing on slots the window adds itself, walked in the order `tabOrder` gives.
    SheetTyping(AppContext& app, QWidget* window, std::function<QList<QWidget*>()> tabOrder);

    // A slot of event 0 to 16 (its entry number, for messages) whose boxes and button take
    // typing; a relay leg without boxes of its own adds only its button.
    void addSlot(const SheetSlot* slot, int event, int entry);
    void addButton(const SheetSlot* slot);
    // Forgets every slot, before the window makes its slots again.
    void clearSlots();

    // The sheet was loaded: points that came from the file count as typed.
    void loaded();
    // Reads the mark pair of the box's slot as the box is left; false when it was refused.
    bool takeMark(QLineEdit* box);
    // The place and mark typed with a runner's name into the picker, into the boxes of the
    // slot. Returns where the keyboard goes next: the next slot's runner, or a refused mark.
    QWidget* enterResults(const SheetSlot& slot, const ResultLine& line);

    // Enter (an empty text) or text typed on a runner button; true when it was taken.
    void onRunnerKeys(std::function<bool(const SheetSlot*, const QString&)> take)
    {
        m_runnerKeys = std::move(take);
    }

signals:
    // Any box of the sheet changed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box
    {
        const SheetSlot* slot;
        QLineEdit* widget;
        int event;
        int entry;
        int index; // 0 place, 1 points, 2 and 3 the mark
    };
    void placeTyped(const Box& box);
    bool apply(const Box& box, QLineEdit* typedIn, const MarkText& mark);
    // The first control after the slot's last box in the order Tab walks.
    QWidget* afterSlot(const SheetSlot* slot) const;

    AppContext& m_app;
    QWidget* m_window;
    QHash<const QObject*, Box> m_boxes;
    QHash<const QObject*, const SheetSlot*> m_buttons;
    std::function<QList<QWidget*>()> m_tabOrder;
    std::function<bool(const SheetSlot*, const QString&)> m_runnerKeys;
};
