#include "RtfStyleSheet.h"

#include <set>

namespace pagora {

void RtfStyleSheet::startEntry()
{
    endEntry();
    m_entry = Style();
    m_number = 0;
    m_open = true;
}

void RtfStyleSheet::endEntry()
{
    if (m_open)
        m_styles[{m_entry.character, m_number}] = std::move(m_entry);
    m_open = false;
}

bool RtfStyleSheet::takes(RtfState& state, const RtfControlWord& word, bool hasParameter,
                          int parameter)
{
    using I = RtfControlWord::Id;
    if (state.destination != RtfState::Destination::StyleSheet)
        return false;
    if (word.kind == RtfControlWord::Kind::Destination) {
        state.destination = RtfState::Destination::Skip;
        return true;
    }
    if (!m_open)
        startEntry();
    switch (word.id) {
    case I::Style:
        m_number = parameter;
        m_entry.character = false;
        break;
    case I::CharacterStyle:
        m_number = parameter;
        m_entry.character = true;
        break;
    case I::StyleBasedOn:
        m_entry.basedOn = parameter;
        break;
    case I::UnicodeChar:
        break; // a character of the style's name, which the text must not take
    default:
        if (word.kind == RtfControlWord::Kind::Flag || word.kind == RtfControlWord::Kind::Toggle ||
            word.kind == RtfControlWord::Kind::Value)
            m_entry.words.push_back({&word, hasParameter, parameter});
        break;
    }
    return true;
}

std::vector<RtfStyleSheet::Word> RtfStyleSheet::wordsOf(int number, bool character) const
{
    // A chain of bases, followed from the style down; a style met twice ends it.
    std::vector<const Style*> chain;
    std::set<std::pair<bool, int>> seen;
    std::pair<bool, int> key{character, number};
    while (seen.insert(key).second) {
        const auto found = m_styles.find(key);
        if (found == m_styles.end())
            break;
        chain.push_back(&found->second);
        if (found->second.basedOn < 0)
            break;
        key = {character, found->second.basedOn};
    }
    std::vector<Word> words;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        words.insert(words.end(), (*it)->words.begin(), (*it)->words.end());
    return words;
}

} // namespace pagora
