#include "RtfFieldInstruction.h"

namespace pagora {

void RtfFieldInstruction::clear()
{
    *this = RtfFieldInstruction();
}

void RtfFieldInstruction::text(const QByteArray& bytes)
{
    // A long instruction is no field the text needs: the first words name it.
    constexpr qsizetype Kept = 4096;
    QByteArray& into = m_items.isEmpty() ? m_words : m_items.last();
    if (into.size() < Kept)
        into += bytes.left(Kept - into.size());
}

void RtfFieldInstruction::itemStart()
{
    // Word's drop-down holds at most 25 items.
    if (m_items.size() < 64)
        m_items.append(QByteArray());
}

void RtfFieldInstruction::value(RtfControlWord::Id id, int n)
{
    if (id == RtfControlWord::Id::FormResult)
        m_result = n;
    else if (id == RtfControlWord::Id::FormDefaultResult)
        m_default = n;
}

QByteArray RtfFieldInstruction::name() const
{
    return m_words.trimmed().split(' ').value(0).toUpper();
}

std::optional<QByteArray> RtfFieldInstruction::chosenItem() const
{
    if (name() != "FORMDROPDOWN" || m_items.isEmpty())
        return std::nullopt;
    const int chosen = m_result >= 0 ? m_result : m_default;
    if (chosen < 0 || chosen >= m_items.size())
        return std::nullopt;
    return m_items.at(chosen);
}

} // namespace pagora
