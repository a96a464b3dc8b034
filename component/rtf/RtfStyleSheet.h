#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"

#include <map>
#include <vector>

namespace pagora {

// The styles of \stylesheet: the formatting words of each paragraph style (\sN) and character
// style (\csN), kept as read, with the style each is based on (\sbasedonN). A paragraph or a
// group that names a style takes its words, those of the styles below it first; the words
// the text writes after the name still win.
class RtfStyleSheet
{
public:
    struct Word
    {
        const RtfControlWord* word;
        bool hasParameter;
        int parameter;
    };

    // Each entry of the sheet, in a group of its own or not: style 0 until it says otherwise.
    void startEntry();
    // The name's ";", or the end of the sheet.
    void endEntry();
    // A word read in the sheet (false elsewhere): its entry's number, what it is based on,
    // or a formatting word. A style's own groups (\keycode and the like) hold none of its
    // formatting, and are skipped.
    bool takes(RtfState& state, const RtfControlWord& word, bool hasParameter, int parameter);
    // The words that make style `number` (a paragraph style, or with `character` a character
    // style), those of the styles it is based on first; none for a style the sheet lacks.
    std::vector<Word> wordsOf(int number, bool character) const;

private:
    struct Style
    {
        bool character = false;
        int basedOn = -1;
        std::vector<Word> words;
    };
    // By number, paragraph styles then character styles.
    std::map<std::pair<bool, int>, Style> m_styles;
    Style m_entry;
    int m_number = 0;
    bool m_open = false;
};

} // namespace pagora
