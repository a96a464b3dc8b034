#pragma once

#include <QTextOption>

class QTextBlockFormat;

namespace pagora {

// Tab stops as RTF gives them and as Qt takes them. RTF measures a stop from the margin; Qt
// from where the line starts, after the paragraph's indents, and so do its default stops.
class RtfTabStops
{
public:
    // A left stop. Qt measures, for every left tab, all the text up to the paragraph's end and
    // then does not use the result: a report of a hundred pages in one paragraph takes
    // minutes. A delimiter tab whose delimiter never occurs stops exactly where a left tab
    // does, without that measuring.
    static QTextOption::Tab left(qreal position);

    // Brings the format's stops, and the leaders that name them, from the margin to where its
    // first line starts. Stops behind that are out of reach. A first line that hangs left of
    // the paragraph stops at the paragraph's indent first, as word processors do; and where
    // the line starts off the default stops, they are set as stops of their own, `distance`
    // apart from the margin.
    static void placeFromLineStart(QTextBlockFormat& format, qreal distance);

    // For a paragraph whose first line is indented by a space of its own instead: its stops,
    // placed from where its first line starts, brought to where all its lines start, and its
    // indent taken away. Qt measures every line's tabs from the line's own start, so the
    // wrapped lines' tabs were off by the indent.
    static void placeFromIndent(QTextBlockFormat& format, qreal distance);
};

} // namespace pagora
