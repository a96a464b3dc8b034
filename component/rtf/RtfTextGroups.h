#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"

namespace pagora {

class RtfTextDestination;

// The groups that hold the document's text or parts of it: headers, footers and footnotes,
// fields, list labels, shapes and text boxes, and the alternatives of a Unicode character.
// Each sets the group's destination and tells the text where a part starts.
class RtfTextGroups
{
public:
    // False when `id` opens no such group.
    static bool open(RtfState& state, RtfControlWord::Id id, RtfTextDestination& text);
};

} // namespace pagora
