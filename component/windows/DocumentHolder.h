#pragma once

#include "windows/DocumentWindow.h"
#include "windows/PreviewWindow.h"

#include <QPointer>

namespace pagora {

// frmJustPMain: holds the document behind a preview opened by ShowPreview, and prints it
// for that preview's "&Print". It lives as long as its preview, unseen.
class DocumentHolder : public DocumentWindow
{
    Q_OBJECT
public:
    DocumentHolder();

    // Loads the current file and opens its preview. Throws PagoraError when the file cannot
    // be loaded; the holder then has no preview.
    void load(const QString& path);
    PreviewWindow* preview() const { return m_preview; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<PreviewWindow> m_preview;
};

} // namespace pagora
