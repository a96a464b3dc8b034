#include "RtfControlWord.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace pagora {

namespace {

using K = RtfControlWord::Kind;
using I = RtfControlWord::Id;

// Sorted by name (byte order), for binary search.
constexpr RtfControlWord kWords[] = {
    {"ansi", K::Flag, I::Ansi},
    {"ansicpg", K::Value, I::AnsiCodePage},
    {"b", K::Toggle, I::Bold},
    {"bin", K::Value, I::Binary},
    {"blue", K::Value, I::Blue},
    {"box", K::Flag, I::ParagraphBorder},
    {"brdrb", K::Flag, I::ParagraphBorder},
    {"brdrcf", K::Value, I::BorderColor},
    {"brdrdash", K::Flag, I::BorderDashed},
    {"brdrdashsm", K::Flag, I::BorderDashed},
    {"brdrdb", K::Flag, I::BorderDouble},
    {"brdrdot", K::Flag, I::BorderDotted},
    {"brdrhair", K::Flag, I::BorderSingle},
    {"brdrl", K::Flag, I::ParagraphBorder},
    {"brdrnil", K::Flag, I::BorderNone},
    {"brdrnone", K::Flag, I::BorderNone},
    {"brdrr", K::Flag, I::ParagraphBorder},
    {"brdrs", K::Flag, I::BorderSingle},
    {"brdrsh", K::Flag, I::BorderSingle},
    {"brdrt", K::Flag, I::ParagraphBorder},
    {"brdrtbl", K::Flag, I::BorderNone},
    {"brdrth", K::Flag, I::BorderThick},
    {"brdrtriple", K::Flag, I::BorderDouble},
    {"brdrw", K::Value, I::BorderWidth},
    {"bullet", K::Symbol, I::Bullet},
    {"cb", K::Value, I::BackColor},
    {"cell", K::Symbol, I::Cell},
    {"cellx", K::Value, I::CellRight},
    {"cf", K::Value, I::ForeColor},
    {"chcbpat", K::Value, I::ShadingBack},
    {"chcfpat", K::Value, I::ShadingFore},
    {"chshdng", K::Value, I::Shading},
    {"clbrdrb", K::Flag, I::CellBorderBottom},
    {"clbrdrl", K::Flag, I::CellBorderLeft},
    {"clbrdrr", K::Flag, I::CellBorderRight},
    {"clbrdrt", K::Flag, I::CellBorderTop},
    {"clcbpat", K::Value, I::CellShading},
    {"clmgf", K::Flag, I::CellMergeFirst},
    {"clmrg", K::Flag, I::CellMerge},
    // Word writes \clpadl for the top padding of a cell and \clpadt for its left, and other
    // readers do as Word does.
    {"clpadb", K::Value, I::CellPadBottom},
    {"clpadl", K::Value, I::CellPadTop},
    {"clpadr", K::Value, I::CellPadRight},
    {"clpadt", K::Value, I::CellPadLeft},
    {"clvertalb", K::Flag, I::CellAlignBottom},
    {"clvertalc", K::Flag, I::CellAlignMiddle},
    {"clvertalt", K::Flag, I::CellAlignTop},
    {"clvmgf", K::Flag, I::CellVMergeFirst},
    {"clvmrg", K::Flag, I::CellVMerge},
    {"colortbl", K::Destination, I::ColorTable},
    {"deff", K::Value, I::DefaultFont},
    {"deftab", K::Value, I::DefaultTab},
    {"dibitmap", K::Flag, I::OtherPicture},
    {"dn", K::Value, I::Lower},
    {"emdash", K::Symbol, I::EmDash},
    {"emfblip", K::Flag, I::OtherPicture},
    {"emspace", K::Symbol, I::EmSpace},
    {"endash", K::Symbol, I::EnDash},
    {"enspace", K::Symbol, I::EnSpace},
    {"f", K::Value, I::Font},
    {"fbidi", K::Flag, I::FontFamily},
    {"fcharset", K::Value, I::FontCharset},
    {"fdecor", K::Flag, I::FontFamily},
    {"fi", K::Value, I::FirstIndent},
    {"field", K::Destination, I::Field},
    {"fldinst", K::Destination, I::FieldInstruction},
    {"fldrslt", K::Destination, I::FieldResult},
    {"fmodern", K::Flag, I::FontFamily},
    {"fnil", K::Flag, I::FontFamily},
    {"fonttbl", K::Destination, I::FontTable},
    {"footer", K::Destination, I::Footer},
    {"footerf", K::Destination, I::Footer},
    {"footerl", K::Destination, I::Footer},
    {"footerr", K::Destination, I::Footer},
    {"footnote", K::Destination, I::Footnote},
    {"froman", K::Flag, I::FontFamily},
    {"fs", K::Value, I::FontSize},
    {"fscript", K::Flag, I::FontFamily},
    {"fswiss", K::Flag, I::FontFamily},
    {"ftech", K::Flag, I::FontFamily},
    {"green", K::Value, I::Green},
    {"header", K::Destination, I::Header},
    {"headerf", K::Destination, I::Header},
    {"headerl", K::Destination, I::Header},
    {"headerr", K::Destination, I::Header},
    {"highlight", K::Value, I::Highlight},
    {"i", K::Toggle, I::Italic},
    {"info", K::Destination, I::Info},
    {"intbl", K::Flag, I::InTable},
    {"jpegblip", K::Flag, I::Jpeg},
    {"keep", K::Flag, I::KeepTogether},
    {"ldblquote", K::Symbol, I::LeftDoubleQuote},
    {"li", K::Value, I::LeftIndent},
    {"line", K::Symbol, I::Line},
    {"listtext", K::Destination, I::ListText},
    {"lquote", K::Symbol, I::LeftQuote},
    {"mac", K::Flag, I::Mac},
    {"macpict", K::Flag, I::OtherPicture},
    {"nestcell", K::Symbol, I::Cell},
    {"nestrow", K::Symbol, I::Row},
    {"nonshppict", K::Destination, I::NonShapePicture},
    {"nosupersub", K::Flag, I::NoSuperSub},
    {"object", K::Destination, I::Object},
    {"page", K::Symbol, I::Page},
    {"pagebb", K::Flag, I::PageBreakBefore},
    {"par", K::Symbol, I::Paragraph},
    {"pard", K::Flag, I::ParagraphDefault},
    {"pc", K::Flag, I::Pc},
    {"pca", K::Flag, I::Pca},
    {"pichgoal", K::Value, I::PictureGoalHeight},
    {"picscalex", K::Value, I::PictureScaleX},
    {"picscaley", K::Value, I::PictureScaleY},
    {"pict", K::Destination, I::Picture},
    {"picwgoal", K::Value, I::PictureGoalWidth},
    {"plain", K::Flag, I::Plain},
    {"pmmetafile", K::Flag, I::OtherPicture},
    {"pn", K::Destination, I::ParagraphNumber},
    {"pngblip", K::Flag, I::Png},
    {"pntext", K::Destination, I::ParagraphNumberText},
    {"qc", K::Flag, I::AlignCenter},
    {"qj", K::Flag, I::AlignJustify},
    {"ql", K::Flag, I::AlignLeft},
    {"qr", K::Flag, I::AlignRight},
    {"rdblquote", K::Symbol, I::RightDoubleQuote},
    {"red", K::Value, I::Red},
    {"ri", K::Value, I::RightIndent},
    {"row", K::Symbol, I::Row},
    {"rquote", K::Symbol, I::RightQuote},
    {"sa", K::Value, I::SpaceAfter},
    {"sb", K::Value, I::SpaceBefore},
    {"sbkcol", K::Flag, I::SectionBreakPage},
    {"sbkeven", K::Flag, I::SectionBreakPage},
    {"sbknone", K::Flag, I::SectionBreakNone},
    {"sbkodd", K::Flag, I::SectionBreakPage},
    {"sbkpage", K::Flag, I::SectionBreakPage},
    {"sect", K::Symbol, I::Section},
    {"sectd", K::Flag, I::SectionDefaults},
    {"shp", K::Destination, I::Shape},
    {"shppict", K::Destination, I::ShapePicture},
    {"sl", K::Value, I::LineSpacing},
    {"slmult", K::Value, I::LineSpacingMultiple},
    {"strike", K::Toggle, I::Strike},
    {"stylesheet", K::Destination, I::StyleSheet},
    {"sub", K::Flag, I::Subscript},
    {"super", K::Flag, I::Superscript},
    {"tab", K::Symbol, I::Tab},
    {"tldot", K::Flag, I::TabLeaderDot},
    {"tleq", K::Flag, I::TabLeaderEquals},
    {"tlhyph", K::Flag, I::TabLeaderHyphen},
    {"tlmdot", K::Flag, I::TabLeaderDot},
    {"tlth", K::Flag, I::TabLeaderThick},
    {"tlul", K::Flag, I::TabLeaderUnderline},
    {"tqc", K::Flag, I::TabCenter},
    {"tqdec", K::Flag, I::TabDecimal},
    {"tqr", K::Flag, I::TabRight},
    {"trbrdrb", K::Flag, I::RowBorderBottom},
    {"trbrdrh", K::Flag, I::RowBorderInnerH},
    {"trbrdrl", K::Flag, I::RowBorderLeft},
    {"trbrdrr", K::Flag, I::RowBorderRight},
    {"trbrdrt", K::Flag, I::RowBorderTop},
    {"trbrdrv", K::Flag, I::RowBorderInnerV},
    {"trgaph", K::Value, I::RowGap},
    {"trleft", K::Value, I::RowLeft},
    {"trowd", K::Flag, I::RowDefaults},
    {"trpaddb", K::Value, I::RowPadBottom},
    {"trpaddl", K::Value, I::RowPadLeft},
    {"trpaddr", K::Value, I::RowPadRight},
    {"trpaddt", K::Value, I::RowPadTop},
    {"tx", K::Value, I::TabStop},
    {"u", K::Value, I::UnicodeChar},
    {"uc", K::Value, I::UnicodeSkip},
    {"ud", K::Destination, I::Unicode},
    {"ul", K::Toggle, I::Underline},
    {"uld", K::Toggle, I::Underline},
    {"uldash", K::Toggle, I::Underline},
    {"uldb", K::Toggle, I::Underline},
    {"ulnone", K::Flag, I::UnderlineNone},
    {"ulth", K::Toggle, I::Underline},
    {"ulw", K::Toggle, I::Underline},
    {"up", K::Value, I::Raise},
    {"upr", K::Destination, I::UnicodeAlternative},
    {"v", K::Toggle, I::Hidden},
    {"wbitmap", K::Flag, I::OtherPicture},
    {"wmetafile", K::Flag, I::OtherPicture},
};

constexpr bool sorted()
{
    for (size_t i = 1; i < std::size(kWords); ++i) {
        const char* a = kWords[i - 1].name;
        const char* b = kWords[i].name;
        while (*a && *a == *b) {
            ++a;
            ++b;
        }
        if (static_cast<unsigned char>(*a) >= static_cast<unsigned char>(*b))
            return false;
    }
    return true;
}
static_assert(sorted(), "the control word table must stay sorted for its binary search");

} // namespace

const RtfControlWord* RtfControlWord::find(const QByteArray& name)
{
    const auto* end = std::end(kWords);
    const auto* it = std::lower_bound(std::begin(kWords), end, name,
                                      [](const RtfControlWord& w, const QByteArray& n) {
                                          return std::strcmp(w.name, n.constData()) < 0;
                                      });
    if (it == end || name != it->name)
        return nullptr;
    return it;
}

} // namespace pagora
