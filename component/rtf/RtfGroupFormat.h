#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"

#include <QChar>

namespace pagora {

// What the control words of character and paragraph formatting do to a group's state:
// bold, alignment, indents, spacing, tab stops and their kind. Words that act on the document
// as a whole, or on a table, are the parser's.
class RtfGroupFormat
{
public:
    static void flag(RtfState& state, RtfControlWord::Id id);
    static void toggle(RtfState& state, RtfControlWord::Id id, bool on);
    static void value(RtfState& state, RtfControlWord::Id id, int parameter);
    // The character a symbol word stands for (\emdash, \bullet, ...), or none.
    static QChar character(RtfControlWord::Id id);
};

} // namespace pagora
