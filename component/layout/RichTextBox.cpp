#include "RichTextBox.h"

#include "layout/RtfDocument.h"
#include "rtf/RtfReading.h"
#include "units/Twips.h"

#include <QTextDocument>
#include <QTimer>

namespace pagora {

namespace {

// The start of a document is read at once, a few pages; then the rest, a piece at each turn
// of the event loop, each short enough not to hold the window up.
constexpr qsizetype FirstBytes = 32 * 1024;
constexpr qsizetype StepBytes = 256 * 1024;

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), m_engine(document())
{
    setObjectName(QStringLiteral("RichTextBox1"));
    setAcceptRichText(true);
}

RichTextBox::~RichTextBox() = default;

void RichTextBox::loadFile(const QString& path)
{
    load(RtfDocument::bytes(path), path);
}

void RichTextBox::loadRtf(const QByteArray& data, const QString& name)
{
    load(data, name);
}

void RichTextBox::load(const QByteArray& data, const QString& name)
{
    auto document = std::make_unique<QTextDocument>();
    std::unique_ptr<RtfReading> reading = RtfDocument::start(data, name, document.get());
    // A document still being read is left: this one takes its place.
    if (m_reading) {
        m_reading.reset();
        setReadOnly(m_wasReadOnly);
    }
    // Footnotes are placed on their pages with all of the text in view: such a document is
    // read whole at once.
    if (data.contains("\\footnote"))
        reading->finish();
    else
        reading->readMore(FirstBytes);
    // Read out of sight: the control lays out only what is read. It deletes a previous
    // document that it owns.
    QTextDocument* shown = document.release();
    shown->setParent(this);
    setDocument(shown);
    m_engine.setDocument(shown, data, !reading->atEnd());
    if (reading->atEnd())
        return;
    m_reading = std::move(reading);
    m_wasReadOnly = isReadOnly();
    setReadOnly(true);
    QTimer::singleShot(0, this, &RichTextBox::readOn);
}

void RichTextBox::readOn()
{
    if (!m_reading)
        return;
    if (!m_reading->readMore(StepBytes))
        loaded();
    else
        QTimer::singleShot(0, this, &RichTextBox::readOn);
}

void RichTextBox::finishLoading()
{
    if (!m_reading)
        return;
    m_reading->finish();
    loaded();
}

void RichTextBox::loaded()
{
    m_reading.reset();
    setReadOnly(m_wasReadOnly);
    m_engine.sourceRead();
}

int RichTextBox::textLength()
{
    finishLoading();
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
