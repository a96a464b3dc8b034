#pragma once

#include "rtf/RtfControlWord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>

namespace pagora {

// The font table destination (\fonttbl): each entry's number, charset, family and name, read
// piece by piece, and the fonts it names afterwards.
class RtfFontTable
{
public:
    struct Font
    {
        QString name;
        int charset = -1;
        QString generic; // the family's generic name: serif, sans-serif, monospace
    };

    // `forLayout`: the fonts are named for a layout that is only printed, never edited:
    // families() in lower case, as the layout looks them up, and unshaped() where it may.
    explicit RtfFontTable(bool forLayout = false) : m_forLayout(forLayout) {}

    // The table starts, or an entry in a group of its own.
    void startEntry();
    // \fN starts a new entry, committing a pending one first (its number, else -1);
    // \fcharsetN gives the entry's character set.
    int value(RtfControlWord::Id id, int n, int documentCodePage);
    // \froman, \fswiss, \fmodern and the rest.
    void family(const QByteArray& word);
    // Text of the entry; ";" ends it. The numbers of the entries it ended.
    QList<int> text(const QByteArray& bytes, int documentCodePage);
    void byte(char c) { m_name += c; }
    // The table's group ends: a pending entry is committed. Its number, or -1.
    int end(int documentCodePage);

    Font font(int number) const { return m_fonts.value(number); }
    // The font's name and its generic family, as a text format names them.
    QStringList families(int number) const;
    // Whether the layout may place the font's glyphs as the font maps them, without shaping:
    // a fixed-pitch font, whose glyphs have one width and no ligatures, read for the layout.
    // Qt's shaping of a run of text is a tenth of a printed report's time.
    bool unshaped(int number) const;
    // A run's format in font `number`: its families, and shaped or not as unshaped() says.
    // The default font's keeps the format's families when the table names none.
    void applyTo(QTextCharFormat& format, int number) const;
    // The text's format before any \f: the default font at 12 points, or a serif one.
    QTextCharFormat defaultFormat(int number) const;

private:
    int commit(int documentCodePage);

    bool m_forLayout;
    QHash<int, Font> m_fonts;
    mutable QHash<int, bool> m_fixedPitch; // by font number, as the font database finds them
    int m_number = 0;
    Font m_entry;
    QByteArray m_name;
};

} // namespace pagora
