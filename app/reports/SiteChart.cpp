#include "SiteChart.h"

#include "data/MarkOrder.h"
#include "reports/SitePage.h"

#include <algorithm>

namespace {

constexpr double Width = 640, Height = 260;
constexpr double Left = 76, Right = 16, Top = 16, Bottom = 56;

QString number(double value)
{
    return QString::number(value, 'f', 1);
}

// The colour of the chart's nth season: colours a reader with a common colour-vision deficiency
// still tells apart, each dark enough to see on white; a runner has four seasons or so.
QString colour(qsizetype season)
{
    static const char* const palette[] = {"#0072b2", "#d55e00", "#009e73", "#cc79a7",
                                          "#e69f00", "#56b4e9", "#000000"};
    return QLatin1String(palette[season % qsizetype(std::size(palette))]);
}

} // namespace

QString SiteChart::svg(const QList<Bests::Mark>& marks, const QString& eventName,
                       const Bests::Mark& pr, const QString& id, bool captioned)
{
    QList<Bests::Mark> dated;
    for (const Bests::Mark& m : marks)
        if (m.date.isValid() && m.value != 0 && !m.aided)
            dated << m;
    if (dated.isEmpty())
        return {};
    const bool field = MarkOrder::isField(dated.first().type);
    const auto [low, high] = std::minmax_element(
        dated.cbegin(), dated.cend(),
        [](const Bests::Mark& a, const Bests::Mark& b) { return a.value < b.value; });
    const double spread = std::max(high->value - low->value, std::max(0.01, low->value * 0.02));
    const double bottomValue = low->value - spread * 0.1, topValue = high->value + spread * 0.1;
    const qint64 first = dated.first().date.toJulianDay(), last = dated.last().date.toJulianDay();
    const double plotWidth = Width - Left - Right, plotHeight = Height - Top - Bottom;
    const auto x = [&](QDate day) {
        return last == first
                   ? Left + plotWidth / 2
                   : Left + plotWidth * double(day.toJulianDay() - first) / double(last - first);
    };
    // Better is up: a field mark grows upwards, a time shrinks upwards.
    const auto y = [&](double value) {
        const double share = (value - bottomValue) / (topValue - bottomValue);
        return field ? Top + plotHeight * (1 - share) : Top + plotHeight * share;
    };
    const Bests::Mark& best = field ? *high : *low;
    const Bests::Mark& worst = field ? *low : *high;
    const QString title =
        QStringLiteral("%1: %2 marks from %3 to %4; personal best %5 on %6")
            .arg(eventName)
            .arg(dated.size())
            .arg(dated.first().date.toString(Qt::ISODate), dated.last().date.toString(Qt::ISODate),
                 pr.text, pr.date.isValid() ? pr.date.toString(Qt::ISODate) : pr.dateText);
    // Its looks are its own attributes, not the site's style sheet: the printed runner report
    // draws the same picture.
    QString out = QStringLiteral("<svg class=\"chart\" role=\"img\" viewBox=\"0 0 %1 %2\" "
                                 "aria-labelledby=\"%3\" xmlns=\"http://www.w3.org/2000/svg\">"
                                 "<title id=\"%3\">%4</title>\n")
                      .arg(Width)
                      .arg(Height)
                      .arg(id, SitePage::escape(title));
    // The frame, the best and the weakest mark at the left, the first and last date below.
    out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                          "stroke=\"#bbbbbb\"/>\n")
               .arg(number(Left), number(Top), number(plotWidth), number(plotHeight));
    const auto label = [&](double lx, double ly, const QString& text, const char* anchor) {
        return QStringLiteral(
                   "<text x=\"%1\" y=\"%2\" text-anchor=\"%3\" font-family=\"sans-serif\" "
                   "font-size=\"12\" fill=\"#1a1a1a\">%4</text>\n")
            .arg(number(lx), number(ly), QLatin1String(anchor), SitePage::escape(text));
    };
    out += label(Left - 6, y(best.value) + 4, best.text.section(QLatin1Char(' '), 0, 0), "end");
    if (worst.value != best.value)
        out +=
            label(Left - 6, y(worst.value) + 4, worst.text.section(QLatin1Char(' '), 0, 0), "end");
    if (captioned)
        out += label(Width - Right, Height - 11, eventName, "end");
    out += label(Left, Height - Bottom + 18, dated.first().date.toString(Qt::ISODate), "start");
    if (last != first)
        out += label(Width - Right, Height - Bottom + 18, dated.last().date.toString(Qt::ISODate),
                     "end");
    // The line through the marks, then each mark in its season's colour.
    QString path;
    for (const Bests::Mark& m : dated)
        path += (path.isEmpty() ? QStringLiteral("M") : QStringLiteral(" L")) + number(x(m.date)) +
                QLatin1Char(' ') + number(y(m.value));
    out += QStringLiteral("<path d=\"%1\" fill=\"none\" stroke=\"#888888\"/>\n").arg(path);
    QList<int> seasons;
    for (const Bests::Mark& m : dated)
        if (!seasons.contains(m.date.year()))
            seasons << m.date.year();
    for (const Bests::Mark& m : dated) {
        out +=
            QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" fill=\"%3\"><title>%4: %5"
                           "</title></circle>\n")
                .arg(number(x(m.date)), number(y(m.value)), colour(seasons.indexOf(m.date.year())),
                     m.date.toString(Qt::ISODate), SitePage::escape(m.text));
    }
    if (pr.date.isValid() && pr.value != 0) {
        out += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"8\" fill=\"none\" "
                              "stroke=\"#1a1a1a\" stroke-width=\"2\"/>\n")
                   .arg(number(x(pr.date)), number(y(pr.value)));
        out += label(x(pr.date), y(pr.value) - 12, QStringLiteral("PR"), "middle");
    }
    // The key: one swatch a season.
    double keyX = Left;
    for (qsizetype i = 0; i < seasons.size(); ++i) {
        out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"10\" height=\"10\" fill=\"%3\"/>\n")
                   .arg(number(keyX), number(Height - 20), colour(i));
        out += label(keyX + 14, Height - 11, QString::number(seasons.at(i)), "start");
        keyX += 64;
    }
    return out + QStringLiteral("</svg>\n");
}
