#pragma once

#include "document/FramePlace.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

namespace pagora {

// What a group of an RTF document carries, saved at "{" and restored at "}".
struct RtfState
{
    enum class Destination
    {
        Text, // the document's own text
        Skip, // dropped whole, nested groups included
        Drop, // text dropped, nested destinations still read (\upr)
        FontTable,
        ColorTable,
        Picture,
        FieldInstruction, // a field's instruction, read for the fields a header shows
        Lists,            // \listtable and \listoverridetable
        StyleSheet,
        Numbering, // a paragraph's {\*\pn}
    };
    // Where in the list tables a group stands.
    enum class ListPart
    {
        Table,
        List,
        Level,
        LevelText,
        Override,
    };

    Destination destination = Destination::Text;
    QTextCharFormat charFormat;
    QTextBlockFormat blockFormat;
    int codePage = 0;    // 0: the document's code page
    int unicodeSkip = 1; // \ucN: bytes that stand in for each \u character
    bool hidden = false;
    bool fontChosen = false; // \f seen: the default font no longer applies
    bool inTable = false;
    int nesting = 0; // \itap: the depth of the table the paragraph is in
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    int nextTabLeader = 0;  // LayoutProperty::Leader of the next \tx
    int raise = 0;          // \up (or \dn, negative), in half points
    int shadingBack = -1;   // \chcbpat: colour table index
    int shadingFore = -1;   // \chcfpat
    int shadingPercent = 0; // \chshdng, in hundredths of a percent of the pattern colour
    bool listText = false;  // in a {\listtext} group
    ListPart listPart = ListPart::Table;
    int listOverride = 0;  // \ls: the list of the paragraph, 0 for none
    int listLevel = 0;     // \ilvl
    bool numbered = false; // the paragraph has a {\*\pn}
    int numberText = 0;    // in its {\pntxtb} (1) or {\pntxta} (2)
    bool part = false;     // in a header, footer or footnote
    bool math = false;     // in an Office Math formula
    FramePlace frame;      // the paragraph's, when it stands in a positioned frame
    // In a shape's or text box's text, which stands where the shape is anchored: the table
    // place of its anchor, which the text's own \pard keeps, and its own tables are flattened.
    bool shapeText = false;
    bool anchorInTable = false;
    int anchorNesting = 0;
};

} // namespace pagora
