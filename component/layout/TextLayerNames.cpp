#include "TextLayerNames.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace pagora {

namespace {

// From the CJK radicals on: below them, no font shows two characters with one glyph that a
// reader would tell apart.
constexpr char16_t SharedGlyphsFrom = 0x2E80;

bool holdsSharedGlyphs(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= SharedGlyphsFrom && !c.isSurrogate())
            return true;
    }
    return false;
}

QString fontKey(const QRawFont& font)
{
    return font.familyName() + QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
           QString::number(font.weight()) + QLatin1Char('/') + QString::number(font.style());
}

} // namespace

void TextLayerNames::note(const QTextBlock& block)
{
    if (!block.isValid() || !block.layout() || m_noted.contains(block.blockNumber()))
        return;
    const QString text = block.text();
    if (!holdsSharedGlyphs(text))
        return;
    m_noted.insert(block.blockNumber());
    noteGlyphs(block, text);
}

void TextLayerNames::notePart(const QTextDocument* part)
{
    for (QTextBlock block = part->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (block.layout() && holdsSharedGlyphs(text))
            noteGlyphs(block, text);
    }
}

void TextLayerNames::noteGlyphs(const QTextBlock& block, const QString& text)
{
    // Qt 6.4 gives no runs for the whole text unless its length is named.
    for (const QGlyphRun& run : block.layout()->glyphRuns(0, static_cast<int>(text.size()))) {
        const QRawFont font = run.rawFont();
        if (!font.isValid())
            continue;
        const QList<quint32> glyphs = run.glyphIndexes();
        const QSet<quint32> used(glyphs.cbegin(), glyphs.cend());
        for (QChar c : text) {
            if (c.unicode() < SharedGlyphsFrom || c.isSurrogate())
                continue;
            const QList<quint32> shown = font.glyphIndexesForString(QString(c));
            if (shown.size() != 1 || shown.first() == 0 || !used.contains(shown.first()))
                continue;
            const char16_t name = firstCharacters(font).value(shown.first(), c.unicode());
            m_drawn[name].insert(c.unicode());
        }
    }
}

const QHash<quint32, char16_t>& TextLayerNames::firstCharacters(const QRawFont& font)
{
    const QString key = fontKey(font);
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return *found;
    // As Qt goes: every character of the basic plane, in order, the first one taking a glyph.
    QString all;
    all.reserve(0x10000);
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (!QChar::isSurrogate(c))
            all.append(QChar(c));
    }
    QList<quint32> glyphs(all.size());
    int count = static_cast<int>(all.size());
    font.glyphIndexesForChars(all.constData(), count, glyphs.data(), &count);
    QHash<quint32, char16_t> first;
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] != 0 && !first.contains(glyphs[i]))
            first.insert(glyphs[i], all[i].unicode());
    }
    return *m_fonts.insert(key, first);
}

QHash<char16_t, char16_t> TextLayerNames::renamed() const
{
    QHash<char16_t, char16_t> names;
    for (auto it = m_drawn.cbegin(); it != m_drawn.cend(); ++it) {
        // A name that stands for two of the document's characters, or for itself, stays.
        if (it->size() == 1 && *it->cbegin() != it.key())
            names.insert(it.key(), *it->cbegin());
    }
    return names;
}

void TextLayerNames::clear()
{
    m_drawn.clear();
    m_noted.clear();
}

} // namespace pagora
