#pragma once

#include "records/SheetEntry.h"

#include <QList>
#include <QString>
#include <array>

// One division of a meet ("Girls Varsity", or the one unnamed division of an older meet) as
// plain values: its name and gender, and a full sheet of the seventeen events. Each individual
// event's first two entries are the designed slots and any more follow in `more`; each relay's
// A team is the designed one and its B, C... teams follow in `moreRelays`.
struct Division
{
    static constexpr int Individual = 13;
    static constexpr int Relays = 4;
    static constexpr int Events = Individual + Relays;

    // The division's Pin; 0 for one made on the sheet and not yet saved.
    qint64 pin = 0;
    QString name;
    // "F" girls, "M" boys, empty for a mixed division.
    QString gender;
    // The Events row of each event (by event index 0 to 16); 0 until saved.
    std::array<qint64, Events> events{};
    std::array<SheetEntry, Individual> first, second;
    std::array<QList<SheetEntry>, Individual> more;
    std::array<SheetRelay, Relays> relays;
    std::array<QList<SheetRelay>, Relays> moreRelays;
    // Slots of further entries taken off the sheet, deleted when it is saved.
    QList<qint64> dropped;
    // Relay teams taken off the sheet: (event index, stored team number).
    QList<std::pair<int, int>> droppedRelays;

    // A division made on the sheet: every designed slot there, none saved yet.
    static Division fresh(const QString& name, const QString& gender);

    // Entry k of an individual event (0 and 1 the designed ones), or nullptr.
    const SheetEntry* entry(int event, int k) const;
    SheetEntry* entry(int event, int k);
    int entryCount(int event) const { return 2 + static_cast<int>(more[size_t(event)].size()); }
    // Team t of relay r (0 the A team), or nullptr.
    const SheetRelay* relay(int r, int t) const;
    SheetRelay* relay(int r, int t);
    int relayCount(int r) const { return 1 + static_cast<int>(moreRelays[size_t(r)].size()); }

    // What the division is called: its name, or nothing for an unnamed one.
    QString title() const { return name.trimmed(); }
    // How lists name the division, the `index`-th of its meet: "Girls Varsity (Girls)",
    // "Division 2 (Mixed)".
    QString caption(int index) const;
    // "Girls", "Boys", "Mixed".
    static QString genderWord(const QString& gender);
    // The sum of the points of every entry with a runner (each relay team's once).
    double points() const;
    // Whether any entry holds a runner or a number: removing the division asks first.
    bool hasResults() const;
    // The standard divisions a coach picks from, with their genders.
    static QList<std::pair<QString, QString>> standard();
    static bool isStandard(const QString& name);
    // "A", "B", ... for a relay team.
    static QString teamLetter(int t);
};
