#pragma once

#include "windows/DocumentWindow.h"
#include "windows/PreviewWindow.h"

#include <QPointer>

namespace pagora {

// OpenFile: the document in an editable rich-text control, with "Turn On" and "Turn Off"
// (lines wrap as on paper, or at the window edge), "Print" and "Preview". Nothing is saved.
class EditorWindow : public DocumentWindow
{
    Q_OBJECT
public:
    EditorWindow();

    // Loads a file. Throws PagoraError when the file cannot be loaded.
    void load(const QString& path);
    void Command1_Click(); // Print
    void turnOn();
    void turnOff();
    void preview();
    PreviewWindow* previewWindow() const { return m_preview; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<PreviewWindow> m_preview;
};

} // namespace pagora
