#include "RtfMath.h"

namespace pagora {

RtfState::Destination RtfMath::open(const RtfState& s, const QByteArray& word, bool starred)
{
    using D = RtfState::Destination;
    if (!word.startsWith('m') || !s.math || (s.destination != D::Text && s.destination != D::Drop))
        return starred ? D::Skip : s.destination;
    // A picture of the formula for readers without math would print it a second time.
    if (word == "mmathPict")
        return D::Skip;
    // Properties: the words of a delimiter or an operator in them are read, nothing else.
    if (word.endsWith("Pr"))
        return D::Drop;
    // An operator's character (a sum's sign) comes before its limits, as it is written; a
    // delimiter's would come after what it encloses, and is left out.
    if (word == "mchr")
        return D::Text;
    if (word.endsWith("Chr"))
        return D::Skip;
    // Runs, arguments, numerators, limits: the formula's text, where the group stands.
    return s.destination;
}

} // namespace pagora
