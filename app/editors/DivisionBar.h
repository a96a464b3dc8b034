#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The strip above the meet sheet: which division it shows (`meetDivision`), "Add Division...",
// "Remove Division", and the division's points. Ctrl+Page Up and Ctrl+Page Down step through
// the divisions from anywhere on the sheet.
class DivisionBar : public QObject
{
    Q_OBJECT
public:
    // The strip's height in twips; the sheet stands below it.
    static constexpr int Height = 420;

    explicit DivisionBar(QWidget* window);

    // The divisions' titles, the one shown, and whether one may be removed.
    void show(const QStringList& titles, int current);
    void showPoints(double points);
    QComboBox* divisions() const { return m_divisions; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }

signals:
    void chosen(int division);
    void addRequested();
    void removeRequested();

private:
    void step(int by);

    QComboBox* m_divisions;
    QPushButton* m_add;
    QPushButton* m_remove;
    QLabel* m_points;
    bool m_filling = false;
};
