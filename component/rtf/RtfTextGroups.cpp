#include "RtfTextGroups.h"

#include "rtf/RtfTextDestination.h"

namespace pagora {

bool RtfTextGroups::open(RtfState& s, RtfControlWord::Id id, RtfTextDestination& text)
{
    using I = RtfControlWord::Id;
    using D = RtfState::Destination;
    // An instruction holds no text of the document's: only further fields and a form field's
    // items are read in it.
    if (s.destination == D::FieldInstruction && id != I::Field && id != I::FieldInstruction &&
        id != I::FieldResult && id != I::FormField && id != I::FormItem) {
        s.destination = D::Skip;
        return true;
    }
    switch (id) {
    case I::ListText:
    case I::ParagraphNumberText:
        if (s.destination == D::Drop)
            s.destination = D::Text;
        if (!s.listText) {
            s.listText = true;
            text.listTextStart(s);
        }
        return true;
    case I::Header:
    case I::HeaderLeft:
    case I::HeaderRight:
    case I::HeaderFirst:
    case I::Footer:
    case I::FooterLeft:
    case I::FooterRight:
    case I::FooterFirst:
        if (s.destination == D::Text)
            text.partStart(s, id);
        else
            s.destination = D::Skip;
        return true;
    case I::Footnote:
        if (s.destination == D::Text)
            text.noteStart(s);
        else
            s.destination = D::Skip;
        return true;
    case I::NestTableProperties:
        // A table in a cell defines its row after the row's text: its words are read, and
        // \nestrow ends the row.
        if (s.destination == D::Text)
            s.destination = D::Drop;
        return true;
    case I::FieldInstruction:
        // The body has no use for an instruction but a form field's, which only its words
        // tell from the others.
        s.destination = s.part || s.destination == D::Text || s.destination == D::FieldInstruction
                            ? D::FieldInstruction
                            : D::Skip;
        return true;
    case I::FormField:
        if (s.destination != D::FieldInstruction)
            s.destination = D::Skip;
        return true;
    case I::FormItem:
        if (s.destination == D::FieldInstruction)
            text.field().itemStart();
        else
            s.destination = D::Skip;
        return true;
    case I::Field:
        text.fieldStart();
        if (s.destination == D::Drop)
            s.destination = D::Text;
        return true;
    case I::FieldResult:
        if (s.destination == D::Drop)
            s.destination = D::Text;
        text.fieldResultStart(s);
        return true;
    case I::Shape:
    case I::ShapeGroup:
    case I::ShapeInstructions:
    case I::DrawingObject:
        // A shape's properties are dropped; the text in it is read.
        s.destination = s.destination == D::Text || s.destination == D::Drop ? D::Drop : D::Skip;
        return true;
    case I::ShapeText:
    case I::DrawingTextBox:
        if (s.destination == D::Drop)
            text.shapeTextStart(s);
        else
            s.destination = D::Skip;
        return true;
    case I::ShapePicture:
    case I::Unicode:
        if (s.destination == D::Drop)
            s.destination = D::Text;
        return true;
    case I::UnicodeAlternative:
        s.destination = D::Drop;
        return true;
    case I::Math:
        s.math = true;
        return true;
    default:
        return false;
    }
}

} // namespace pagora
