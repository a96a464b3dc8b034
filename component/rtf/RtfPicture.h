#pragma once

#include "rtf/RtfControlWord.h"

#include <QByteArray>
#include <optional>

class QTextDocument;
class QTextImageFormat;

namespace pagora {

// The picture destination (\pict): the kind, the data in hex or binary, and the size the
// document asks for. PNG and JPEG pictures are shown; others are dropped.
class RtfPicture
{
public:
    enum class Kind
    {
        None,
        Png,
        Jpeg,
        Other
    };

    void start();
    // \pngblip, \jpegblip and the kinds that are not shown.
    void flag(RtfControlWord::Id id);
    // \picwgoalN, \pichgoalN, \picscalexN, \picscaleyN.
    void value(RtfControlWord::Id id, int n);
    // Hex digits, with whatever stands between them.
    void text(const QByteArray& bytes);
    void binary(const QByteArray& bytes);

    // Adds the picture to the document's resources; the format that shows it, or nothing for
    // a picture that is not shown.
    std::optional<QTextImageFormat> addTo(QTextDocument* document);

private:
    Kind m_kind = Kind::None;
    QByteArray m_data;
    bool m_binary = false;
    int m_goalWidth = 0, m_goalHeight = 0;
    int m_scaleX = 100, m_scaleY = 100;
    int m_count = 0;
};

} // namespace pagora
