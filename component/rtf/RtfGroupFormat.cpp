#include "RtfGroupFormat.h"

#include "document/LayoutProperty.h"
#include "rtf/RtfFrames.h"
#include "rtf/RtfLength.h"
#include "rtf/RtfTabStops.h"

#include <QPointF>

#include <algorithm>

namespace pagora {

void RtfGroupFormat::flag(RtfState& s, RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::UnderlineNone:
        s.charFormat.setFontUnderline(false);
        return;
    case I::Superscript:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        return;
    case I::Subscript:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return;
    case I::NoSuperSub:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignNormal);
        return;
    case I::ParagraphDefault:
        s.blockFormat = QTextBlockFormat();
        s.inTable = s.shapeText && s.anchorInTable;
        s.nesting = s.shapeText ? s.anchorNesting : 0;
        s.nextTabType = QTextOption::LeftTab;
        s.nextTabLeader = LayoutProperty::NoLeader;
        s.listOverride = s.listLevel = 0;
        s.numbered = false;
        s.frame = FramePlace();
        return;
    case I::AlignLeft:
        s.blockFormat.setAlignment(Qt::AlignLeft);
        return;
    case I::AlignCenter:
        s.blockFormat.setAlignment(Qt::AlignHCenter);
        return;
    case I::AlignRight:
        s.blockFormat.setAlignment(Qt::AlignRight);
        return;
    case I::AlignJustify:
        s.blockFormat.setAlignment(Qt::AlignJustify);
        return;
    case I::TabRight:
        s.nextTabType = QTextOption::RightTab;
        return;
    case I::TabCenter:
        s.nextTabType = QTextOption::CenterTab;
        return;
    case I::TabDecimal:
        s.nextTabType = QTextOption::DelimiterTab;
        return;
    case I::TabLeaderDot:
        s.nextTabLeader = LayoutProperty::Dots;
        return;
    case I::TabLeaderHyphen:
        s.nextTabLeader = LayoutProperty::Hyphens;
        return;
    case I::TabLeaderUnderline:
        s.nextTabLeader = LayoutProperty::Underline;
        return;
    case I::TabLeaderThick:
        s.nextTabLeader = LayoutProperty::ThickLine;
        return;
    case I::TabLeaderEquals:
        s.nextTabLeader = LayoutProperty::DoubleLine;
        return;
    case I::InTable:
        s.inTable = s.inTable || !s.shapeText;
        return;
    case I::KeepTogether:
        s.blockFormat.setNonBreakableLines(true);
        return;
    case I::PageBreakBefore:
        s.blockFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        return;
    default:
        RtfFrames::place(s, id, 0);
        return;
    }
}

void RtfGroupFormat::toggle(RtfState& s, RtfControlWord::Id id, bool on)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::Bold:
        s.charFormat.setFontWeight(on ? QFont::Bold : QFont::Normal);
        return;
    case I::Italic:
        s.charFormat.setFontItalic(on);
        return;
    case I::Underline:
        s.charFormat.setFontUnderline(on);
        return;
    case I::Strike:
        s.charFormat.setFontStrikeOut(on);
        return;
    case I::Hidden:
        s.hidden = on;
        return;
    default:
        return;
    }
}

void RtfGroupFormat::value(RtfState& s, RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::UnicodeSkip:
        s.unicodeSkip = std::clamp(n, 0, 16);
        return;
    case I::Nesting:
        if (s.shapeText)
            return;
        s.nesting = std::clamp(n, 0, 64);
        s.inTable = s.inTable || n > 0;
        return;
    case I::ListOverrideNumber:
        s.listOverride = n;
        return;
    case I::ListLevelNumber:
        s.listLevel = n;
        return;
    case I::Raise:
        s.raise = std::clamp(n, -3276, 3276);
        return;
    case I::Lower:
        s.raise = -std::clamp(n, -3276, 3276);
        return;
    case I::FontSize:
        if (n > 0)
            s.charFormat.setFontPointSize(std::min(n, 3276) / 2.0);
        return;
    case I::LeftIndent:
        s.blockFormat.setLeftMargin(RtfLength::fromTwips(n));
        return;
    case I::RightIndent:
        s.blockFormat.setRightMargin(RtfLength::fromTwips(n));
        return;
    case I::FirstIndent:
        s.blockFormat.setTextIndent(RtfLength::fromTwips(n));
        return;
    case I::SpaceBefore:
        s.blockFormat.setTopMargin(RtfLength::fromTwips(n));
        return;
    case I::SpaceAfter:
        s.blockFormat.setBottomMargin(RtfLength::fromTwips(n));
        return;
    case I::LineSpacing:
        if (n == 0)
            s.blockFormat.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        else if (n > 0)
            s.blockFormat.setLineHeight(RtfLength::fromTwips(n), QTextBlockFormat::MinimumHeight);
        else // the smallest int has no negative: lengths are clamped first
            s.blockFormat.setLineHeight(RtfLength::fromTwips(-std::max(n, -31680)),
                                        QTextBlockFormat::FixedHeight);
        return;
    case I::LineSpacingMultiple:
        if (n == 1 && s.blockFormat.lineHeightType() == QTextBlockFormat::MinimumHeight) {
            // \slN\slmult1: N is in 240ths of a single line.
            const qreal twips = RtfLength::toTwips(s.blockFormat.lineHeight());
            s.blockFormat.setLineHeight(std::clamp(twips / 240.0 * 100.0, 10.0, 1000.0),
                                        QTextBlockFormat::ProportionalHeight);
        }
        return;
    case I::TabStop: {
        QList<QTextOption::Tab> tabs = s.blockFormat.tabPositions();
        QTextOption::Tab tab(RtfLength::fromTwips(n), s.nextTabType);
        if (s.nextTabType == QTextOption::DelimiterTab)
            tab.delimiter = QLatin1Char('.');
        else if (s.nextTabType == QTextOption::LeftTab)
            tab = RtfTabStops::left(tab.position);
        tabs << tab;
        s.blockFormat.setTabPositions(tabs);
        if (s.nextTabLeader != LayoutProperty::NoLeader) {
            QVariantList leaders = s.blockFormat.property(LayoutProperty::TabLeaders).toList();
            leaders << QPointF(tab.position, s.nextTabLeader);
            s.blockFormat.setProperty(LayoutProperty::TabLeaders, leaders);
        }
        s.nextTabType = QTextOption::LeftTab;
        s.nextTabLeader = LayoutProperty::NoLeader;
        return;
    }
    default:
        RtfFrames::place(s, id, n);
        return;
    }
}

QChar RtfGroupFormat::character(RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::EmDash:
        return QChar(0x2014);
    case I::EnDash:
        return QChar(0x2013);
    case I::Bullet:
        return QChar(0x2022);
    case I::LeftQuote:
        return QChar(0x2018);
    case I::RightQuote:
        return QChar(0x2019);
    case I::LeftDoubleQuote:
        return QChar(0x201C);
    case I::RightDoubleQuote:
        return QChar(0x201D);
    case I::EmSpace:
        return QChar(0x2003);
    case I::EnSpace:
        return QChar(0x2002);
    default:
        return {};
    }
}

} // namespace pagora
