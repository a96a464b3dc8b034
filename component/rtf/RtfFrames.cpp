#include "RtfFrames.h"

#include "document/PageStyle.h"
#include "rtf/RtfDocumentBuilder.h"

#include <algorithm>

namespace pagora {

namespace {

// Farther than any paper reaches: a place beyond it is the file's mistake.
constexpr int Reach = 31680 * 2;

} // namespace

RtfFrames::RtfFrames(QTextDocument* body) : m_body(body) {}

RtfFrames::~RtfFrames() = default;

bool RtfFrames::place(RtfState& s, RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    using From = FramePlace::From;
    FramePlace& f = s.frame;
    const int length = std::clamp(n, -Reach, Reach);
    switch (id) {
    // How the text flows around a frame makes no frame of a paragraph on its own.
    case I::FrameGap:
        f.gap = std::max(0, length);
        return true;
    case I::FrameNoWrap:
        f.wrap = false;
        return true;
    case I::FrameWidth:
        f.width = std::max(0, length);
        break;
    case I::FrameHeight:
        f.height = length;
        break;
    case I::FrameX:
    case I::FrameNegativeX:
        f.x = length;
        f.align = FramePlace::Align::Offset;
        break;
    case I::FrameY:
    case I::FrameNegativeY:
        f.y = length;
        break;
    case I::FrameXFromText:
    case I::FrameXFromMargin:
    case I::FrameXFromPage:
        f.horizontal = id == I::FrameXFromPage     ? From::Page
                       : id == I::FrameXFromMargin ? From::Margin
                                                   : From::Text;
        break;
    case I::FrameYFromText:
    case I::FrameYFromMargin:
    case I::FrameYFromPage:
        f.vertical = id == I::FrameYFromPage     ? From::Page
                     : id == I::FrameYFromMargin ? From::Margin
                                                 : From::Text;
        break;
    case I::FrameLeft:
        f.align = FramePlace::Align::Left;
        break;
    case I::FrameCenter:
        f.align = FramePlace::Align::Center;
        break;
    case I::FrameRight:
        f.align = FramePlace::Align::Right;
        break;
    default:
        return false;
    }
    f.set = true;
    return true;
}

RtfDocumentBuilder* RtfFrames::builderFor(const RtfState& s, int bodyPosition, int defaultTab)
{
    // A frame's table, or a frame in a table, stays in the flow.
    if (!s.frame.set || s.part || s.inTable || s.shapeText) {
        end(s);
        return nullptr;
    }
    if (m_builder && m_place == s.frame)
        return m_builder.get();
    end(s);
    m_place = s.frame;
    m_builder = std::make_unique<RtfDocumentBuilder>(
        PageStyle::in(m_body).addFrame(m_body, bodyPosition, s.frame));
    m_builder->setDefaultTab(defaultTab);
    return m_builder.get();
}

void RtfFrames::end(const RtfState& s)
{
    if (!m_builder)
        return;
    m_builder->finish(s);
    m_builder.reset();
}

} // namespace pagora
