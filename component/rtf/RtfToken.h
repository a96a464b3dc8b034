#pragma once

#include <QByteArray>

namespace pagora {

// One lexical unit of an RTF file.
struct RtfToken
{
    enum class Kind
    {
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \word or \wordN
        ControlSymbol, // \ followed by one non-letter: \~ \- \_ \* \\ \{ \}
        HexByte,       // \'xx
        Text,          // a run of plain bytes
        End,
    };

    Kind kind = Kind::End;
    QByteArray word; // ControlWord: its letters
    bool hasParameter = false;
    int parameter = 0;      // ControlWord: its numeric parameter, clamped to the int range
    char symbol = 0;        // ControlSymbol
    unsigned char byte = 0; // HexByte
    QByteArray text;        // Text
};

} // namespace pagora
