#include "RtfNumbering.h"

#include "rtf/CodePage.h"

namespace pagora {

void RtfNumbering::startParagraphNumber(RtfState& s)
{
    using D = RtfState::Destination;
    if (s.destination != D::Text && s.destination != D::Drop) {
        s.destination = D::Skip;
        return;
    }
    s.destination = D::Numbering;
    s.numberText = 0;
    m_older.start();
}

void RtfNumbering::open(RtfState& s, RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    if (s.destination == RtfState::Destination::Lists)
        m_lists.open(s, id);
    else if (id == I::NumberTextBefore || id == I::NumberTextAfter)
        s.numberText = id == I::NumberTextBefore ? 1 : 2;
    else
        s.destination = RtfState::Destination::Skip;
}

void RtfNumbering::word(const RtfState& s, RtfControlWord::Id id, int n)
{
    if (s.destination == RtfState::Destination::Lists)
        m_lists.value(s, id, n);
    else
        m_older.word(id, n);
}

void RtfNumbering::bytes(const RtfState& s, const QByteArray& bytes, int codePage)
{
    if (s.destination == RtfState::Destination::Lists)
        m_lists.bytes(s, bytes, codePage);
    else if (s.numberText != 0)
        m_older.text(s.numberText == 1,
                     CodePage::decode(s.codePage ? s.codePage : codePage, bytes));
}

void RtfNumbering::character(const RtfState& s, QChar c)
{
    if (s.destination == RtfState::Destination::Lists)
        m_lists.character(s, c);
    else if (s.numberText != 0)
        m_older.text(s.numberText == 1, QString(c));
}

QString RtfNumbering::label(const RtfState& s) const
{
    if (s.listOverride > 0)
        return m_lists.label(s.listOverride, s.listLevel);
    return s.numbered ? m_older.label() : QString();
}

void RtfNumbering::paragraphEnd(const RtfState& s)
{
    if (s.listOverride > 0)
        m_lists.advance(s.listOverride, s.listLevel);
    m_older.paragraphEnd(s.numbered && s.listOverride == 0);
}

} // namespace pagora
