#pragma once

#include "records/Bests.h"

#include <QMap>
#include <QWidget>

class QChart;
class QChartView;
class QComboBox;
class QTableWidget;

// A runner's progression in one event at a time: the chosen event's marks over their dates,
// one colour a season, the personal best ringed, better always up (a lower time, a longer or
// higher field mark); and beside it a table of the same marks, which the keyboard and a screen
// reader reach. Wind-aided and undated marks are left out, as they are of the personal best.
class ProgressionView : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressionView(QWidget* parent);

    // The runner's marks in the order of their meets, and the bests made of them.
    void show(const QList<Bests::Mark>& marks, const QMap<qint64, Bests::Event>& bests);
    QChart* chart() const;

private:
    void showEvent(int index);
    void replaceChart(QChart* chart);

    QComboBox* m_event;
    QChartView* m_view;
    QTableWidget* m_table;
    QList<Bests::Mark> m_marks;
    QMap<qint64, Bests::Event> m_bests;
};
