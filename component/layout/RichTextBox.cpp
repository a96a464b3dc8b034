#include "RichTextBox.h"

#include "layout/RtfDocument.h"
#include "units/Twips.h"

#include <QTextDocument>

namespace pagora {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), m_engine(document())
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAcceptRichText(true);
}

void RichTextBox::loadFile(const QString& path)
{
    const QByteArray data = RtfDocument::bytes(path);
    setLoaded(RtfDocument::read(data, path), data);
}

void RichTextBox::loadRtf(const QByteArray& data, const QString& name)
{
    setLoaded(RtfDocument::read(data, name), data);
}

void RichTextBox::setLoaded(std::unique_ptr<QTextDocument> document, const QByteArray& rtf)
{
    // Read out of sight: the control lays out only the result. It deletes a previous
    // document that it owns.
    QTextDocument* loaded = document.release();
    loaded->setParent(this);
    setDocument(loaded);
    m_engine.setDocument(loaded, rtf);
}

int RichTextBox::textLength() const
{
    return m_engine.textLength();
}

void RichTextBox::setTargetDevice(QPaintDevice* device, int lineWidth)
{
    if (!device || lineWidth <= 0) {
        setLineWrapMode(QTextEdit::WidgetWidth);
        return;
    }
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(std::max(1, Twips::x(this, lineWidth)));
}

int RichTextBox::widthTwips() const
{
    return Twips::fromPixels(width(), logicalDpiX());
}

int RichTextBox::formatRange(QPainter* painter, QPaintDevice* target, const QRect& area, int first)
{
    return m_engine.formatRange(painter, target, area, first);
}

void RichTextBox::releaseLayout()
{
    m_engine.release();
}

} // namespace pagora
