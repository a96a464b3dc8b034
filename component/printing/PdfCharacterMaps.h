#pragma once

#include <QHash>
#include <QString>

namespace pagora {

// The character maps of a PDF file that Qt wrote, which name each glyph of an embedded font
// for the PDF's text layer (ToUnicode). They can be named again: the maps that change are
// appended as an update of the file, as PDF provides, and the pages stay as written.
class PdfCharacterMaps
{
public:
    // Each glyph named with one of `names`' keys is named with its value instead. False when
    // the file could not be read or written, or is not one that Qt wrote.
    static bool rename(const QString& path, const QHash<char16_t, char16_t>& names);
};

} // namespace pagora
