#pragma once

#include "layout/RichTextEngine.h"

#include <QTextEdit>
#include <memory>

namespace pagora {

class RtfReading;

// The rich-text control: shows and edits a document, and lays it out page by page for a
// device through its engine.
class RichTextBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    // Loads an RTF file. Throws PagoraError when the file is missing, unreadable or no RTF.
    // A long document shows its start at once, and reads the rest while the event loop turns:
    // it cannot be edited until then.
    void loadFile(const QString& path);
    void loadRtf(const QByteArray& data, const QString& name = QString());
    bool isLoading() const { return m_reading != nullptr; }
    // Reads the rest of the document now.
    void finishLoading();

    // Characters of the plain text, all of it read.
    int textLength();
    // Lines wrap as they will on `device`, `lineWidth` twips long; with no device or a width
    // of 0 they wrap at the window edge.
    void setTargetDevice(QPaintDevice* device, int lineWidth);
    // The control's width in twips.
    int widthTwips() const;

    int formatRange(QPainter* painter, QPaintDevice* target, const QRect& area, int first);
    void releaseLayout();
    RichTextEngine& engine() { return m_engine; }

private:
    void load(const QByteArray& data, const QString& name);
    void readOn();
    void loaded();

    RichTextEngine m_engine;
    std::unique_ptr<RtfReading> m_reading;
    bool m_wasReadOnly = false;
};

} // namespace pagora
