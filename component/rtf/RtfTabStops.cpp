#include "RtfTabStops.h"

#include "document/LayoutProperty.h"
#include "units/Twips.h"

#include <QPointF>
#include <QTextBlockFormat>
#include <algorithm>
#include <cmath>

namespace pagora {

namespace {

// A character that no text holds (a Unicode noncharacter).
constexpr QChar LeftTabDelimiter(0xFFFF);

// Default stops are set as far as the widest paper reaches.
constexpr qreal WidestLineInches = 22;

} // namespace

QTextOption::Tab RtfTabStops::left(qreal position)
{
    QTextOption::Tab tab(position, QTextOption::DelimiterTab);
    tab.delimiter = LeftTabDelimiter;
    return tab;
}

void RtfTabStops::placeFromLineStart(QTextBlockFormat& format, qreal distance)
{
    const qreal start = format.leftMargin() + format.textIndent();
    const bool hanging = format.textIndent() < 0;
    const bool offDefaults = distance > 0 && std::fmod(start, distance) != 0;
    if (start == 0 && !hanging)
        return;
    QList<QTextOption::Tab> stops;
    for (QTextOption::Tab stop : format.tabPositions()) {
        stop.position -= start;
        if (stop.position > 0)
            stops << stop;
    }
    const auto before = [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
        return a.position < b.position;
    };
    std::sort(stops.begin(), stops.end(), before);
    if (hanging && (stops.isEmpty() || stops.first().position > -format.textIndent()))
        stops.prepend(left(-format.textIndent()));
    if (offDefaults) {
        const qreal last = stops.isEmpty() ? 0 : stops.last().position;
        for (qreal at = (std::floor((start + last) / distance) + 1) * distance;
             at - start <= WidestLineInches * Twips::documentDpi(); at += distance)
            stops << left(at - start);
    }
    format.setTabPositions(stops);

    QVariantList leaders;
    for (const QVariant& leader : format.property(LayoutProperty::TabLeaders).toList()) {
        const QPointF stop = leader.toPointF();
        if (stop.x() - start > 0)
            leaders << QPointF(stop.x() - start, stop.y());
    }
    if (!leaders.isEmpty())
        format.setProperty(LayoutProperty::TabLeaders, leaders);
    else
        format.clearProperty(LayoutProperty::TabLeaders);
}

void RtfTabStops::placeFromIndent(QTextBlockFormat& format, qreal distance)
{
    const qreal indent = format.textIndent();
    QList<QTextOption::Tab> stops = format.tabPositions();
    for (QTextOption::Tab& stop : stops)
        stop.position += indent;
    // The default stops, from the margin, where a line that starts at the indent needs them.
    const qreal start = format.leftMargin();
    if (distance > 0) {
        const qreal last = stops.isEmpty() ? indent : std::max(indent, stops.last().position);
        for (qreal at = (std::floor((start + last) / distance) + 1) * distance;
             at - start <= WidestLineInches * Twips::documentDpi(); at += distance)
            stops << left(at - start);
    }
    format.setTabPositions(stops);
    QVariantList leaders = format.property(LayoutProperty::TabLeaders).toList();
    for (QVariant& leader : leaders) {
        const QPointF stop = leader.toPointF();
        leader = QPointF(stop.x() + indent, stop.y());
    }
    if (!leaders.isEmpty())
        format.setProperty(LayoutProperty::TabLeaders, leaders);
    format.setTextIndent(0);
}

} // namespace pagora
