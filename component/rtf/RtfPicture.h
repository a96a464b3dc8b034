#pragma once

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
    void setKind(Kind kind) { m_kind = kind; }
    void setGoalWidth(int twips) { m_goalWidth = twips; }
    void setGoalHeight(int twips) { m_goalHeight = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }
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
