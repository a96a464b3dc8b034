#pragma once

#include <QString>
#include <optional>

// A relay leg's split, as typed on the sheet or read from a results line: seconds ("47.1") or
// minutes and seconds ("2:05.3"). A split is the leg's own time, never a mark of the runner's
// that counts for a PR.
class RelaySplit
{
public:
    // The split in seconds; nothing for an empty text or one that is no time.
    static std::optional<double> seconds(const QString& typed);
    // An empty box, or a zero as a new sheet's boxes hold: no split, and nothing to refuse.
    static bool isNone(const QString& typed);
    // A stored split as the sheet shows it and the reports print it: "47.1", "47.12", "2:05.0".
    static QString text(double seconds);
    // What a split box must hold, for the sheet's refusal.
    static QString rule();
};
