#pragma once

#include "rtf/RtfControlWord.h"

#include <QString>
#include <array>

namespace pagora {

// The older numbering of paragraphs ({\*\pn} in a paragraph's properties): the label a
// numbered paragraph shows when the file wrote none itself ({\pntext}). Numbered paragraphs
// one after another count on; a paragraph without a number ends a simple list, while the
// levels of an outline count on past it.
class RtfParagraphNumbering
{
public:
    // A {\*\pn} group: the definition of the paragraph it stands in.
    void start();
    void word(RtfControlWord::Id id, int n);
    // Text of its {\pntxtb} (before the number) or {\pntxta} (after it).
    void text(bool before, const QString& text);

    // The label of the paragraph with the last definition, with the tab after it.
    QString label() const;
    // A paragraph has ended, with or without a number.
    void paragraphEnd(bool numbered);

private:
    int number() const;

    int m_style = 0; // as \levelnfc numbers them
    bool m_bullet = false;
    bool m_continued = false; // \pnlvlcont: no number of its own
    int m_start = 1;
    int m_level = 0; // 0 for the body, 1 to 9 for an outline
    QString m_before, m_after;
    std::array<int, 10> m_counts{}; // 0: not begun
};

} // namespace pagora
