#include "RtfListTable.h"

#include "rtf/CodePage.h"
#include "rtf/RtfListNumber.h"

namespace pagora {

void RtfListTable::open(RtfState& s, RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    using P = RtfState::ListPart;
    switch (id) {
    case I::ListEntry:
        if (s.listPart == P::Table) {
            m_lists.emplace_back();
            s.listPart = P::List;
            return;
        }
        break;
    case I::ListLevel:
        if (s.listPart == P::List && m_lists.back().levels.size() < 9) {
            m_lists.back().levels.emplace_back();
            s.listPart = P::Level;
            return;
        }
        break;
    case I::LevelText:
        if (s.listPart == P::Level) {
            s.listPart = P::LevelText;
            return;
        }
        break;
    case I::ListOverride:
        if (s.listPart == P::Table) {
            m_overrideList = m_overrideNumber = 0;
            s.listPart = P::Override;
            return;
        }
        break;
    default:
        break;
    }
    s.destination = RtfState::Destination::Skip;
}

RtfListTable::Level* RtfListTable::currentLevel()
{
    return m_lists.empty() || m_lists.back().levels.empty() ? nullptr
                                                            : &m_lists.back().levels.back();
}

void RtfListTable::value(const RtfState& s, RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    using P = RtfState::ListPart;
    if (s.listPart == P::Override) {
        // Its words may come in either order: it counts once both are known.
        if (id == I::ListId)
            m_overrideList = n;
        else if (id == I::ListOverrideNumber)
            m_overrideNumber = n;
        if (m_overrideList != 0 && m_overrideNumber != 0)
            m_overrides[m_overrideNumber] = m_overrideList;
        return;
    }
    if (s.listPart == P::List && id == I::ListId) {
        m_lists.back().id = n;
        return;
    }
    Level* level = s.listPart == P::Level || s.listPart == P::LevelText ? currentLevel() : nullptr;
    if (!level)
        return;
    switch (id) {
    case I::LevelFormat:
        level->style = n;
        return;
    case I::LevelStartAt:
        level->start = n;
        return;
    case I::LevelLegal:
        level->legal = n != 0;
        return;
    case I::LevelNoRestart:
        level->noRestart = n != 0;
        return;
    case I::LevelFollow:
        level->follow = n;
        return;
    default:
        return;
    }
}

void RtfListTable::bytes(const RtfState& s, const QByteArray& bytes, int codePage)
{
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        // The length and the levels' places are byte values, not characters of the code page.
        if (code < 0x20) {
            character(s, QChar(code));
            continue;
        }
        const QString decoded = CodePage::decode(codePage, QByteArray(1, byte));
        character(s, decoded.isEmpty() ? QChar(u'?') : decoded.at(0));
    }
}

void RtfListTable::character(const RtfState& s, QChar c)
{
    if (s.listPart != RtfState::ListPart::LevelText)
        return;
    if (Level* level = currentLevel(); level && c != QLatin1Char(';'))
        level->text += c;
}

const RtfListTable::List* RtfListTable::listOf(int ls) const
{
    const auto override = m_overrides.find(ls);
    if (override == m_overrides.end())
        return nullptr;
    for (const List& list : m_lists)
        if (list.id == override->second)
            return &list;
    return nullptr;
}

RtfListTable::Counts RtfListTable::counted(const List& list, int ls, int level) const
{
    const auto found = m_counts.find(ls);
    Counts counts = found == m_counts.end() ? Counts{} : found->second;
    auto startOf = [&](int l) {
        return size_t(l) < list.levels.size() ? list.levels[size_t(l)].start : 1;
    };
    // A level not begun, or begun again, starts at its own first number.
    counts[size_t(level)] = counts[size_t(level)] == 0 ? startOf(level) : counts[size_t(level)] + 1;
    for (int below = level + 1; below < 9; ++below)
        if (size_t(below) >= list.levels.size() || !list.levels[size_t(below)].noRestart)
            counts[size_t(below)] = 0;
    for (int above = 0; above < level; ++above)
        if (counts[size_t(above)] == 0)
            counts[size_t(above)] = startOf(above);
    return counts;
}

QString RtfListTable::label(int ls, int level) const
{
    const List* list = listOf(ls);
    level = levelOf(level);
    if (!list || size_t(level) >= list->levels.size())
        return {};
    const Counts counts = counted(*list, ls, level);
    const Level& own = list->levels[size_t(level)];
    QString text;
    // The first character is the text's length.
    const int length = own.text.isEmpty() ? 0 : own.text.at(0).unicode();
    for (int i = 1; i <= length && i < own.text.size(); ++i) {
        const char16_t c = own.text.at(i).unicode();
        if (c < 9) {
            const size_t of = c;
            const int style = of < list->levels.size() ? list->levels[of].style : 0;
            text += RtfListNumber::text(counts[of], own.legal && int(of) < level ? 0 : style);
        } else if (c >= 0xF000 && c <= 0xF0FF) {
            // A symbol font's bullet: the bullet itself, whatever font draws it.
            text += QChar(c == 0xF0A7 ? u'\u25AA' : u'\u2022');
        } else {
            text += QChar(c);
        }
    }
    if (text.isEmpty())
        return {};
    return text + (own.follow == 0   ? QStringLiteral("\t")
                   : own.follow == 1 ? QStringLiteral(" ")
                                     : QString());
}

void RtfListTable::advance(int ls, int level)
{
    if (const List* list = listOf(ls))
        m_counts[ls] = counted(*list, ls, levelOf(level));
}

} // namespace pagora
