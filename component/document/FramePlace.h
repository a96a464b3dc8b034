#pragma once

namespace pagora {

// Where a positioned frame's paragraphs stand on their page, as the file gives it: out of the
// text's flow, at a place measured from the page, the margins or the paragraph they are
// anchored to. Lengths in twips.
struct FramePlace
{
    enum class From
    {
        Text, // horizontally the column, vertically the paragraph after the frame
        Margin,
        Page,
    };
    enum class Align
    {
        Offset, // at x
        Left,
        Center,
        Right,
    };
    bool set = false;
    int x = 0;
    int y = 0;
    int width = 0;  // 0: the margins' width
    int height = 0; // at least this; below 0, exactly this and what is taller is cut
    From horizontal = From::Text;
    From vertical = From::Margin;
    Align align = Align::Offset;
    int gap = 0;      // between the frame and the text that flows beside it
    bool wrap = true; // the body's text flows around the frame, not under it

    bool operator==(const FramePlace&) const = default;
};

} // namespace pagora
