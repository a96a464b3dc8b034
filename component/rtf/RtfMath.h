#pragma once

#include "rtf/RtfState.h"

#include <QByteArray>

namespace pagora {

// Office Math (\mmath): a formula is printed as its text, in the order the file writes it, not
// laid out as a formula. Its groups are ignorable words the reader does not know.
class RtfMath
{
public:
    // The destination of a group that the unknown word `word` opens in state `s`: outside a
    // formula, Skip for an ignorable (`starred`) word and the group's own for another, as for
    // any word the reader does not know.
    static RtfState::Destination open(const RtfState& s, const QByteArray& word, bool starred);
};

} // namespace pagora
