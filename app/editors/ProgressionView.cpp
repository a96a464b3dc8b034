#include "ProgressionView.h"

#include "data/MarkOrder.h"
#include "records/HandTimes.h"
#include "records/MeetSheet.h"
#include "units/Twips.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableWidget>

namespace {

// The colours of the website's charts, season by season.
const QColor SeasonColours[] = {QColor(0x0072b2), QColor(0xd55e00), QColor(0x009e73),
                                QColor(0xcc79a7), QColor(0xe69f00), QColor(0x56b4e9),
                                QColor(Qt::black)};

// A value on the mark axis as track people read it.
QString axisText(qint64 type, double value)
{
    if (!MarkOrder::isField(type))
        return HandTimes::timeText(value);
    const double inches = std::round(value * 4) / 4;
    const int feet = static_cast<int>(inches / 12);
    return QStringLiteral("%1-%2").arg(feet).arg(inches - feet * 12, 5, 'f', 2, QLatin1Char('0'));
}

qreal when(QDate day)
{
    return qreal(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch());
}

} // namespace

ProgressionView::ProgressionView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("progression"));
    auto* label = new QLabel(QStringLiteral("Pro&gression of"), this);
    label->setObjectName(QStringLiteral("progressionLabel"));
    label->setGeometry(Twips::rect(0, 60, 1455, 255));
    m_event = new QComboBox(this);
    m_event->setObjectName(QStringLiteral("progressionEvent"));
    m_event->setAccessibleName(QStringLiteral("Progression of"));
    m_event->setGeometry(Twips::rect(1500, 0, 2895, 375));
    label->setBuddy(m_event);
    m_view = new QChartView(this);
    m_view->setObjectName(QStringLiteral("progressionChart"));
    m_view->setAccessibleName(QStringLiteral("Progression chart"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setGeometry(Twips::rect(0, 480, 5295, 3255));
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("progressionTable"));
    m_table->setAccessibleName(QStringLiteral("Progression marks"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Mark"), QStringLiteral("Best")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setGeometry(Twips::rect(5415, 480, 2880, 3255));
    connect(m_event, &QComboBox::currentIndexChanged, this, &ProgressionView::showEvent);
}

QChart* ProgressionView::chart() const
{
    return m_view->chart();
}

void ProgressionView::show(const QList<Bests::Mark>& marks, const QMap<qint64, Bests::Event>& bests)
{
    m_marks = marks;
    m_bests = bests;
    const QSignalBlocker quiet(m_event);
    const qint64 shown = m_event->currentData().toLongLong();
    m_event->clear();
    for (auto it = bests.cbegin(); it != bests.cend(); ++it)
        if (it->pr.value != 0 && it->pr.date.isValid())
            m_event->addItem(MeetSheet::eventName(static_cast<int>(it.key()) - 1), it.key());
    m_event->setCurrentIndex(std::max(0, m_event->findData(shown)));
    m_event->setEnabled(m_event->count() > 0);
    showEvent(m_event->currentIndex());
}

void ProgressionView::showEvent(int index)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    m_table->setRowCount(0);
    const qint64 type = index >= 0 ? m_event->itemData(index).toLongLong() : 0;
    const Bests::Mark pr = m_bests.value(type).pr;
    QList<Bests::Mark> shown;
    for (const Bests::Mark& m : m_marks)
        if (m.type == type && m.value != 0 && m.date.isValid() && !m.aided)
            shown << m;
    if (shown.isEmpty()) {
        chart->setTitle(QStringLiteral("No dated mark to show"));
        replaceChart(chart);
        return;
    }
    auto* line = new QLineSeries;
    line->setColor(Qt::gray);
    chart->addSeries(line);
    QList<int> years;
    QList<QScatterSeries*> seasons;
    double low = shown.first().value, high = low;
    for (const Bests::Mark& m : shown) {
        line->append(when(m.date), m.value);
        low = std::min(low, m.value);
        high = std::max(high, m.value);
        if (!years.contains(m.date.year())) {
            years << m.date.year();
            auto* season = new QScatterSeries;
            season->setName(QString::number(m.date.year()));
            season->setColor(SeasonColours[(years.size() - 1) % std::size(SeasonColours)]);
            season->setMarkerSize(9);
            season->setBorderColor(season->color());
            seasons << season;
        }
        seasons.at(years.indexOf(m.date.year()))->append(when(m.date), m.value);
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(m.dateText));
        m_table->setItem(row, 1, new QTableWidgetItem(m.text));
        m_table->setItem(
            row, 2, new QTableWidgetItem(m.join == pr.join ? QStringLiteral("PR") : QString()));
    }
    for (QScatterSeries* season : seasons)
        chart->addSeries(season);
    auto* best = new QScatterSeries;
    best->setName(QStringLiteral("PR"));
    best->setMarkerSize(16);
    best->setColor(Qt::transparent);
    best->setBorderColor(Qt::black);
    best->append(when(pr.date), pr.value);
    chart->addSeries(best);
    chart->legend()->markers(line).value(0)->setVisible(false);

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("M/d/yy"));
    dates->setTickCount(std::min<int>(5, std::max<int>(2, shown.size())));
    // Room for the personal best's ring at either end.
    const qint64 first = qint64(when(shown.first().date)), last = qint64(when(shown.last().date));
    const qint64 pad = std::max<qint64>(7 * 24 * 3600 * 1000, (last - first) / 25);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(first - pad),
                    QDateTime::fromMSecsSinceEpoch(last + pad));
    auto* values = new QCategoryAxis;
    values->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double spread = std::max(high - low, std::max(0.01, low * 0.02));
    // Room for the personal best's ring at either end.
    values->setRange(low - spread * 0.15, high + spread * 0.15);
    for (int i = 0; i <= 3; ++i) {
        const double v = low + (high - low) * i / 3;
        values->append(axisText(type, v) + QString(i, QChar(0x200b)), v);
    }
    // Better is up: a time shrinks upwards.
    values->setReverse(!MarkOrder::isField(type));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(dates);
        series->attachAxis(values);
    }
    replaceChart(chart);
}

void ProgressionView::replaceChart(QChart* chart)
{
    // The view gives the chart it showed back to its maker.
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;
}
