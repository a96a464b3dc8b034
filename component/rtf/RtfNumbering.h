#pragma once

#include "rtf/RtfListTable.h"
#include "rtf/RtfParagraphNumbering.h"
#include "rtf/RtfState.h"

namespace pagora {

// Where a numbered paragraph's label comes from when the file wrote none itself: its list
// (\lsN of the list tables) or its older numbering ({\*\pn}). The reader hands it the words
// and text of both destinations.
class RtfNumbering
{
public:
    // {\*\pn} in a paragraph's text.
    void startParagraphNumber(RtfState& state);
    // A group in the list tables or in a {\*\pn}.
    void open(RtfState& state, RtfControlWord::Id id);
    void word(const RtfState& state, RtfControlWord::Id id, int n);
    void bytes(const RtfState& state, const QByteArray& bytes, int codePage);
    void character(const RtfState& state, QChar c);

    // The label of the paragraph of `state`, when it is numbered, with what follows it.
    QString label(const RtfState& state) const;
    // The paragraph of `state` has ended.
    void paragraphEnd(const RtfState& state);

private:
    RtfListTable m_lists;
    RtfParagraphNumbering m_older;
};

} // namespace pagora
