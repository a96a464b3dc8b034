#include "RtfPicture.h"

#include "rtf/RtfLength.h"
#include "units/Twips.h"

#include <QImage>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>

namespace pagora {

void RtfPicture::start()
{
    m_kind = Kind::None;
    m_data.clear();
    m_binary = false;
    m_goalWidth = m_goalHeight = 0;
    m_scaleX = m_scaleY = 100;
}

void RtfPicture::flag(RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    if (id == I::Png)
        m_kind = Kind::Png;
    else if (id == I::Jpeg)
        m_kind = Kind::Jpeg;
    else if (id == I::OtherPicture)
        m_kind = Kind::Other;
}

void RtfPicture::value(RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    if (id == I::PictureGoalWidth)
        m_goalWidth = n;
    else if (id == I::PictureGoalHeight)
        m_goalHeight = n;
    else if (id == I::PictureScaleX)
        m_scaleX = n;
    else if (id == I::PictureScaleY)
        m_scaleY = n;
}

void RtfPicture::text(const QByteArray& bytes)
{
    if (!m_binary)
        m_data += bytes;
}

void RtfPicture::binary(const QByteArray& bytes)
{
    m_data += bytes;
    m_binary = true;
}

std::optional<QTextImageFormat> RtfPicture::addTo(QTextDocument* document)
{
    if (m_kind != Kind::Png && m_kind != Kind::Jpeg)
        return std::nullopt;
    // Line breaks and blanks between the hex digits are skipped.
    const QByteArray bytes = m_binary ? m_data : QByteArray::fromHex(m_data);
    QImage image;
    if (!image.loadFromData(bytes, m_kind == Kind::Png ? "PNG" : "JPEG"))
        return std::nullopt;
    const QString name = QStringLiteral("pagora-picture-%1").arg(++m_count);
    document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    // A picture of no stated size has a pixel to each 96th of an inch.
    const qreal pixel = Twips::documentDpi() / 96.0;
    qreal width = m_goalWidth > 0 ? RtfLength::fromTwips(m_goalWidth) : image.width() * pixel;
    qreal height = m_goalHeight > 0 ? RtfLength::fromTwips(m_goalHeight) : image.height() * pixel;
    width *= std::clamp(m_scaleX, 1, 1000) / 100.0;
    height *= std::clamp(m_scaleY, 1, 1000) / 100.0;
    format.setWidth(width);
    format.setHeight(height);
    return format;
}

} // namespace pagora
