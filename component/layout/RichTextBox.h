#pragma once

#include "layout/RichTextEngine.h"

#include <QTextEdit>
#include <memory>

namespace pagora {

// The rich-text control: shows and edits a document, and lays it out page by page for a
// device through its engine.
class RichTextBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Loads an RTF file. Throws PagoraError when the file is missing, unreadable or no RTF.
    void loadFile(const QString& path);
    void loadRtf(const QByteArray& data, const QString& name = QString());

    // Characters of the plain text.
    int textLength() const;
    // Lines wrap as they will on `device`, `lineWidth` twips long; with no device or a width
    // of 0 they wrap at the window edge.
    void setTargetDevice(QPaintDevice* device, int lineWidth);
    // The control's width in twips.
    int widthTwips() const;

    int formatRange(QPainter* painter, QPaintDevice* target, const QRect& area, int first);
    void releaseLayout();
    RichTextEngine& engine() { return m_engine; }

private:
    void setLoaded(std::unique_ptr<QTextDocument> document, const QByteArray& rtf);

    RichTextEngine m_engine;
};

} // namespace pagora
