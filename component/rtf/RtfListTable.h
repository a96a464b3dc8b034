#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfState.h"

#include <QString>
#include <array>
#include <map>
#include <vector>

namespace pagora {

// The lists a file defines (\listtable) and the numbers its paragraphs refer to them by
// (\listoverridetable \lsN), then the count of each list as its paragraphs come: the label a
// list paragraph shows when the file wrote none itself ({\listtext}).
class RtfListTable
{
public:
    // A group opened in the tables: what it holds, from the word that opens it.
    void open(RtfState& state, RtfControlWord::Id id);
    void value(const RtfState& state, RtfControlWord::Id id, int n);
    // Characters of a level's text: \'00 to \'08 stand for the numbers of the levels.
    void bytes(const RtfState& state, const QByteArray& bytes, int codePage);
    void character(const RtfState& state, QChar c);

    // The label of the next paragraph of list `ls` at `level` (0 to 8), with what follows it;
    // empty for a list the tables lack.
    QString label(int ls, int level) const;
    // A paragraph of that list at that level has ended.
    void advance(int ls, int level);

private:
    struct Level
    {
        int style = 0; // \levelnfc
        int start = 1;
        bool legal = false; // the numbers of the levels above in figures: 1.01
        bool noRestart = false;
        int follow = 0; // a tab, a space, or nothing
        QString text;   // its length first, as the file writes it
    };
    struct List
    {
        int id = 0;
        std::vector<Level> levels;
    };
    using Counts = std::array<int, 9>;

    const List* listOf(int ls) const;
    static int levelOf(int level) { return level < 0 ? 0 : level > 8 ? 8 : level; }
    // The counts after the paragraph: its level counted on, the levels below it begun again.
    Counts counted(const List& list, int ls, int level) const;
    Level* currentLevel();

    std::vector<List> m_lists;
    std::map<int, int> m_overrides; // \ls to \listid
    int m_overrideList = 0, m_overrideNumber = 0;
    std::map<int, Counts> m_counts; // by \ls; 0 where a level has not begun
};

} // namespace pagora
