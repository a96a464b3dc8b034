#pragma once

#include <QByteArray>

namespace pagora {

// What the reader knows of a control word: how it acts, and which one it is.
struct RtfControlWord
{
    enum class Kind
    {
        Flag,        // acts by being there: \pard, \qc, \plain
        Toggle,      // on, or off with a parameter of 0: \b, \i, \strike
        Value,       // carries a number: \fs24, \li720, \cf2
        Destination, // starts a group of its own kind: \fonttbl, \pict, \info
        Symbol,      // stands for a character or a break: \par, \tab, \emdash
    };

    enum class Id
    {
        // destinations
        FontTable,
        ColorTable,
        StyleSheet,
        Info,
        Picture,
        Header,
        Footer,
        Footnote,
        Field,
        FieldInstruction,
        FieldResult,
        ShapePicture,
        NonShapePicture,
        ListText,
        ParagraphNumber,
        ParagraphNumberText,
        Object,
        Shape,
        Unicode,
        UnicodeAlternative,
        Skip,
        // document
        Ansi,
        Mac,
        Pc,
        Pca,
        AnsiCodePage,
        DefaultFont,
        DefaultTab,
        // font table
        FontCharset,
        FontFamily,
        // colour table
        Red,
        Green,
        Blue,
        // character formats
        Plain,
        Bold,
        Italic,
        Underline,
        UnderlineNone,
        Strike,
        FontSize,
        Font,
        ForeColor,
        Highlight,
        BackColor,
        Hidden,
        Superscript,
        Subscript,
        NoSuperSub,
        UnicodeSkip,
        UnicodeChar,
        Raise,
        Lower,
        ShadingBack,
        ShadingFore,
        Shading,
        // paragraph formats
        ParagraphDefault,
        AlignLeft,
        AlignCenter,
        AlignRight,
        AlignJustify,
        LeftIndent,
        RightIndent,
        FirstIndent,
        SpaceBefore,
        SpaceAfter,
        LineSpacing,
        LineSpacingMultiple,
        TabStop,
        TabRight,
        TabCenter,
        TabDecimal,
        TabLeaderDot,
        TabLeaderHyphen,
        TabLeaderUnderline,
        TabLeaderThick,
        TabLeaderEquals,
        InTable,
        KeepTogether,
        PageBreakBefore,
        // tables
        RowDefaults,
        CellRight,
        CellBorderTop,
        CellBorderLeft,
        CellBorderBottom,
        CellBorderRight,
        RowBorderTop,
        RowBorderLeft,
        RowBorderBottom,
        RowBorderRight,
        RowBorderInnerH,
        RowBorderInnerV,
        ParagraphBorder,
        BorderSingle,
        BorderThick,
        BorderDouble,
        BorderDotted,
        BorderDashed,
        BorderNone,
        BorderWidth,
        BorderColor,
        CellMergeFirst,
        CellMerge,
        CellVMergeFirst,
        CellVMerge,
        CellAlignTop,
        CellAlignMiddle,
        CellAlignBottom,
        CellShading,
        RowGap,
        RowLeft,
        RowPadLeft,
        RowPadRight,
        RowPadTop,
        RowPadBottom,
        CellPadLeft,
        CellPadRight,
        CellPadTop,
        CellPadBottom,
        Cell,
        Row,
        // pictures
        PictureGoalWidth,
        PictureGoalHeight,
        PictureScaleX,
        PictureScaleY,
        Png,
        Jpeg,
        OtherPicture,
        Binary,
        // symbols
        Paragraph,
        Line,
        Tab,
        Page,
        Section,
        SectionDefaults,
        SectionBreakNone,
        SectionBreakPage,
        EmDash,
        EnDash,
        Bullet,
        LeftQuote,
        RightQuote,
        LeftDoubleQuote,
        RightDoubleQuote,
        EmSpace,
        EnSpace,
    };

    const char* name;
    Kind kind;
    Id id;

    // The control word of this name, or nothing for a word the reader does not know.
    static const RtfControlWord* find(const QByteArray& name);
};

} // namespace pagora
