#include "Division.h"

#include "records/SheetNumber.h"

namespace {

bool holds(const SheetEntry& entry)
{
    const SheetNumbers& n = entry.numbers;
    return !entry.name.isEmpty() || SheetNumber::value(n.place) != 0 ||
           SheetNumber::value(n.points) != 0 || SheetNumber::value(n.mark1) != 0 ||
           SheetNumber::value(n.mark2) != 0;
}

} // namespace

Division Division::fresh(const QString& name, const QString& gender)
{
    Division d;
    d.name = name;
    d.gender = gender;
    for (int e = 0; e < Individual; ++e)
        d.first[size_t(e)].exists = d.second[size_t(e)].exists = true;
    for (SheetRelay& relay : d.relays)
        for (SheetEntry& leg : relay.legs)
            leg.exists = true;
    return d;
}

const SheetEntry* Division::entry(int event, int k) const
{
    if (event < 0 || event >= Individual || k < 0)
        return nullptr;
    if (k < 2)
        return &(k == 0 ? first : second)[size_t(event)];
    const QList<SheetEntry>& extra = more[size_t(event)];
    return k - 2 < extra.size() ? &extra[k - 2] : nullptr;
}

SheetEntry* Division::entry(int event, int k)
{
    return const_cast<SheetEntry*>(std::as_const(*this).entry(event, k));
}

const SheetRelay* Division::relay(int r, int t) const
{
    if (r < 0 || r >= Relays || t < 0)
        return nullptr;
    if (t == 0)
        return &relays[size_t(r)];
    const QList<SheetRelay>& extra = moreRelays[size_t(r)];
    return t - 1 < extra.size() ? &extra[t - 1] : nullptr;
}

SheetRelay* Division::relay(int r, int t)
{
    return const_cast<SheetRelay*>(std::as_const(*this).relay(r, t));
}

QString Division::caption(int index) const
{
    return (title().isEmpty() ? QStringLiteral("Division %1").arg(index + 1) : title()) +
           QStringLiteral(" (") + genderWord(gender) + QLatin1Char(')');
}

QString Division::genderWord(const QString& gender)
{
    if (gender == QLatin1String("F"))
        return QStringLiteral("Girls");
    if (gender == QLatin1String("M"))
        return QStringLiteral("Boys");
    return QStringLiteral("Mixed");
}

double Division::points() const
{
    double total = 0;
    for (int e = 0; e < Individual; ++e)
        for (int k = 0; k < entryCount(e); ++k)
            if (const SheetEntry* s = entry(e, k); s->exists && !s->name.isEmpty())
                total += SheetNumber::value(s->numbers.points);
    for (int r = 0; r < Relays; ++r)
        for (int t = 0; t < relayCount(r); ++t) {
            const SheetRelay* team = relay(r, t);
            for (const SheetEntry& leg : team->legs)
                if (leg.exists && !leg.name.isEmpty()) {
                    total += SheetNumber::value(team->numbers.points);
                    break;
                }
        }
    return total;
}

bool Division::hasResults() const
{
    for (int e = 0; e < Individual; ++e)
        for (int k = 0; k < entryCount(e); ++k)
            if (holds(*entry(e, k)))
                return true;
    for (int r = 0; r < Relays; ++r)
        for (int t = 0; t < relayCount(r); ++t) {
            const SheetRelay* team = relay(r, t);
            SheetEntry numbers;
            numbers.numbers = team->numbers;
            if (holds(numbers))
                return true;
            for (const SheetEntry& leg : team->legs)
                if (!leg.name.isEmpty())
                    return true;
        }
    return false;
}

QList<std::pair<QString, QString>> Division::standard()
{
    return {{QStringLiteral("Girls Varsity"), QStringLiteral("F")},
            {QStringLiteral("Boys Varsity"), QStringLiteral("M")},
            {QStringLiteral("Girls JV"), QStringLiteral("F")},
            {QStringLiteral("Boys JV"), QStringLiteral("M")}};
}

bool Division::isStandard(const QString& name)
{
    const auto all = standard();
    return std::any_of(all.begin(), all.end(), [&name](const auto& d) { return d.first == name; });
}

QString Division::teamLetter(int t)
{
    return t < 26 ? QString(QChar(u'A' + t)) : QString::number(t + 1);
}
