#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class QRawFont;
class QTextBlock;
class QTextDocument;

namespace pagora {

// Which characters a PDF's text layer would name wrongly. Qt names each glyph of an embedded
// font after the first character the font shows with it, and CJK fonts show a radical and
// the ideograph it stands for with one glyph: 长 would be searched and copied as ⻓. The
// glyphs the document is drawn with are noted here, and the names its own characters.
class TextLayerNames
{
public:
    // Notes a laid-out paragraph's glyphs, when it holds characters where fonts share them.
    void note(const QTextBlock& block);
    // Notes the paragraphs of a header, footer or note, each time one is drawn.
    void notePart(const QTextDocument* part);
    // Qt's name of a glyph, with the document's character for it: only those that differ
    // and stand for one character alone.
    QHash<char16_t, char16_t> renamed() const;
    void clear();

private:
    void noteGlyphs(const QTextBlock& block, const QString& text);
    // The first character the font shows with each glyph, as Qt finds it.
    const QHash<quint32, char16_t>& firstCharacters(const QRawFont& font);

    // Qt's name of a drawn glyph: the document's characters drawn with it.
    QHash<char16_t, QSet<char16_t>> m_drawn;
    QHash<QString, QHash<quint32, char16_t>> m_fonts;
    QSet<int> m_noted; // block numbers
};

} // namespace pagora
