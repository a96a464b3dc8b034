#include "RtfFontTable.h"

#include "rtf/CodePage.h"
#include "rtf/FontFallback.h"

#include <QFont>
#include <QFontInfo>

namespace pagora {

void RtfFontTable::startEntry()
{
    m_entry = Font();
    m_name.clear();
}

int RtfFontTable::value(RtfControlWord::Id id, int n, int documentCodePage)
{
    if (id == RtfControlWord::Id::FontCharset)
        m_entry.charset = n;
    if (id != RtfControlWord::Id::Font)
        return -1;
    const int committed = end(documentCodePage);
    m_number = n;
    return committed;
}

void RtfFontTable::family(const QByteArray& word)
{
    if (word == "fmodern")
        m_entry.generic = QStringLiteral("monospace");
    else if (word == "froman")
        m_entry.generic = QStringLiteral("serif");
    else if (word == "fswiss")
        m_entry.generic = QStringLiteral("sans-serif");
    else
        m_entry.generic.clear();
}

QList<int> RtfFontTable::text(const QByteArray& bytes, int documentCodePage)
{
    QList<int> committed;
    for (char c : bytes) {
        if (c == ';')
            committed << commit(documentCodePage);
        else
            m_name += c;
    }
    return committed;
}

int RtfFontTable::end(int documentCodePage)
{
    if (m_name.isEmpty() && m_entry.name.isEmpty())
        return -1;
    return commit(documentCodePage);
}

int RtfFontTable::commit(int documentCodePage)
{
    const int page = CodePage::forCharset(m_entry.charset);
    m_entry.name = CodePage::decode(page ? page : documentCodePage, m_name.trimmed()).trimmed();
    m_fonts.insert(m_number, m_entry);
    startEntry();
    return m_number;
}

QStringList RtfFontTable::families(int number) const
{
    const Font f = font(number);
    QStringList families = FontFallback::families(f.name, f.generic);
    if (m_forLayout) {
        for (QString& family : families)
            family = family.toLower();
    }
    return families;
}

bool RtfFontTable::unshaped(int number) const
{
    // A font the table has not given yet is not known to be fixed-pitch.
    if (!m_forLayout || !m_fonts.contains(number))
        return false;
    if (const auto found = m_fixedPitch.constFind(number); found != m_fixedPitch.cend())
        return *found;
    QFont font;
    font.setFamilies(families(number));
    const bool fixed = QFontInfo(font).fixedPitch();
    m_fixedPitch.insert(number, fixed);
    return fixed;
}

void RtfFontTable::applyTo(QTextCharFormat& format, int number) const
{
    if (const QStringList names = families(number); !names.isEmpty())
        format.setFontFamilies(names);
    if (unshaped(number))
        format.setFontStyleStrategy(QFont::PreferNoShaping);
    else
        format.clearProperty(QTextFormat::FontStyleStrategy);
}

QTextCharFormat RtfFontTable::defaultFormat(int number) const
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QStringLiteral("serif")});
    applyTo(format, number);
    format.setFontPointSize(12);
    return format;
}

} // namespace pagora
