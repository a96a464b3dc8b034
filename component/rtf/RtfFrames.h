#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"

#include <memory>

class QTextDocument;

namespace pagora {

class RtfDocumentBuilder;

// Positioned frames (\absw, \posx, \pvpg …): paragraphs that the file places on their page
// rather than in the text's flow. Each run of paragraphs with one place goes into a frame of
// the page style, anchored where the body's text goes on.
class RtfFrames
{
public:
    explicit RtfFrames(QTextDocument* body);
    ~RtfFrames();

    // A word of a paragraph's place, into the state; false for another word.
    static bool place(RtfState& state, RtfControlWord::Id id, int value);

    // Where the text of a paragraph in `state` goes: the frame it stands in, started or ended
    // as the place changes, or nothing for the body, whose text goes on at `bodyPosition`.
    RtfDocumentBuilder* builderFor(const RtfState& state, int bodyPosition, int defaultTab);
    RtfDocumentBuilder* current() const { return m_builder.get(); }
    // Ends the frame being written.
    void end(const RtfState& state);

private:
    QTextDocument* m_body;
    std::unique_ptr<RtfDocumentBuilder> m_builder;
    FramePlace m_place;
};

} // namespace pagora
