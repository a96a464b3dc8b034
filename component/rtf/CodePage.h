#pragma once

#include <QByteArray>
#include <QString>

namespace pagora {

// Single- and double-byte Windows code pages, as RTF names them.
class CodePage
{
public:
    static constexpr int Windows1252 = 1252;

    // Bytes of a code page as text; an unknown code page reads as Windows-1252.
    static QString decode(int codePage, const QByteArray& bytes);
    // The code page a font's \fcharset stands for; 0 when the charset names none.
    static int forCharset(int charset);
};

} // namespace pagora
