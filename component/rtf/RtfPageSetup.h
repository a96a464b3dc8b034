#pragma once

#include "rtf/RtfControlWord.h"

class QTextDocument;

namespace pagora {

// The words that set the document's page, and the first section's: paper, margins, the places
// of the header and footer, orientation, a title page, facing pages and where notes go. A
// later section's page is the first one's.
class RtfPageSetup
{
public:
    // False when `id` sets nothing of the page; `sections` counts the \sect words read.
    static bool flag(QTextDocument* document, RtfControlWord::Id id, int sections);
    static bool value(QTextDocument* document, RtfControlWord::Id id, int n, int sections);
};

} // namespace pagora
