#include "RichTextBox.h"

#include "errors/PagoraError.h"
#include "rtf/RtfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace pagora {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), m_engine(document())
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAcceptRichText(true);
}

void RichTextBox::loadFile(const QString& path)
{
    if (path.isEmpty())
        throw PagoraError(PagoraError::FileNotFound,
                          QStringLiteral("File not found: no file was named"));
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw PagoraError(PagoraError::FileNotFound,
                          QStringLiteral("File not found: '%1'").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw PagoraError(75,
                          QStringLiteral("Path/File access error: '%1' cannot be read").arg(path));
    loadRtf(file.readAll(), path);
}

void RichTextBox::loadRtf(const QByteArray& data, const QString& name)
{
    // Read into a document of its own, out of sight: the control lays out only the result.
    auto* loaded = new QTextDocument(this);
    QString why;
    if (!RtfReader::read(data, loaded, &why)) {
        delete loaded;
        throw PagoraError(PagoraError::BadFileFormat,
                          QStringLiteral("'%1' is %2")
                              .arg(name.isEmpty() ? QStringLiteral("the document") : name, why));
    }
    // The editor deletes a previous document that it owns.
    m_engine.setDocument(loaded);
    setDocument(loaded);
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
    setLineWrapColumnOrWidth(std::max(1, lineWidth * logicalDpiX() / 1440));
}

int RichTextBox::widthTwips() const
{
    return width() * 1440 / std::max(1, logicalDpiX());
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
