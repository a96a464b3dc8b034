#include "RtfPageSetup.h"

#include "document/PageStyle.h"

#include <algorithm>

namespace pagora {

bool RtfPageSetup::flag(QTextDocument* document, RtfControlWord::Id id, int sections)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::Landscape:
    case I::SectionLandscape:
        if (id == I::Landscape || sections == 1)
            PageStyle::in(document).landscape = true;
        return true;
    case I::TitlePage:
        PageStyle::in(document).setTitlePage();
        return true;
    case I::FacingPages:
        PageStyle::in(document).facingPages = true;
        return true;
    case I::NotesAtEnd:
        PageStyle::in(document).notesAtEnd = true;
        return true;
    default:
        return false;
    }
}

bool RtfPageSetup::value(QTextDocument* document, RtfControlWord::Id id, int n, int sections)
{
    using I = RtfControlWord::Id;
    if (id == I::NoteKinds) {
        // 1: every note is an endnote.
        if (n == 1)
            PageStyle::in(document).notesAtEnd = true;
        return true;
    }
    const bool ofDocument = id >= I::PaperWidth && id <= I::MarginBottom;
    const bool ofSection = id >= I::SectionPaperWidth && id <= I::SectionMarginBottom;
    if (!ofDocument && !ofSection && id != I::HeaderY && id != I::FooterY)
        return false;
    if (ofSection && sections > 1)
        return true;
    // Nothing beyond 22 inches, the largest paper a printer takes.
    const int twips = std::clamp(n, 0, 22 * 1440);
    PageStyle& page = PageStyle::in(document);
    switch (id) {
    case I::PaperWidth:
    case I::SectionPaperWidth:
        page.paperWidth = twips;
        return true;
    case I::PaperHeight:
    case I::SectionPaperHeight:
        page.paperHeight = twips;
        return true;
    case I::MarginLeft:
    case I::SectionMarginLeft:
        page.marginLeft = twips;
        return true;
    case I::MarginRight:
    case I::SectionMarginRight:
        page.marginRight = twips;
        return true;
    case I::MarginTop:
    case I::SectionMarginTop:
        page.marginTop = twips;
        return true;
    case I::MarginBottom:
    case I::SectionMarginBottom:
        page.marginBottom = twips;
        return true;
    case I::HeaderY:
        page.headerY = twips;
        return true;
    case I::FooterY:
        page.footerY = twips;
        return true;
    default:
        return true;
    }
}

} // namespace pagora
