#pragma once

#include <QString>
#include <optional>

// What the officials write beside a mark: "h" for a hand time, and for the sprints and the
// horizontal jumps the wind reading ("+1.8", "-0.4") or a "w" for a wind-aided mark without
// one. A mark over +2.0 m/s is wind-aided: it counts for no record, and a runner's PR is
// their best legal mark. A mark without a reading counts as legal.
struct MarkNotes
{
    bool hand = false;
    std::optional<double> wind;
    // Marked "w" without a reading.
    bool markedAided = false;

    bool isEmpty() const { return !hand && !wind && !markedAided; }
    bool aided() const { return markedAided || (wind && *wind > 2.0); }
    bool operator==(const MarkNotes&) const = default;

    // What follows the number in a box or on a results line: "h", " +1.8", "h -0.4", " w".
    QString suffix() const;
    // A box's or a line's text taken apart: the number (or whole mark) before the notes, and
    // the notes. Nothing when what follows the mark is no note.
    static std::optional<std::pair<QString, MarkNotes>> split(const QString& typed);
    // The mark as a report prints it: the view's mark text with its notes ("12.4h",
    // "12.41 +1.8", "18-06.50w +3.1").
    static QString printed(const QString& mark, const QString& timing, std::optional<double> wind,
                           bool aided);
    // The same of a row of Events_View.
    template <class Row> static QString printedOf(const Row& row)
    {
        const auto wind = row.field(QStringLiteral("Wind"));
        return printed(row.field(QStringLiteral("MeasureTime")).text(),
                       row.field(QStringLiteral("Timing")).text(),
                       wind.isNull() ? std::nullopt : std::optional<double>(wind.toDouble()),
                       row.field(QStringLiteral("Aided")).toInt() != 0);
    }
    // A reading as results print it: "+1.8", "-0.4", "+0.0".
    static QString windText(double wind);
    // The events whose marks take a wind reading: the 100 m, 200 m, long and triple jump (by
    // event index, 0 to 16).
    static bool takesWind(int event);
};
