#include "DocumentHolder.h"

#include "layout/RichTextBox.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "windows/MessageReport.h"
#include "windows/PreviewWindow.h"

#include <QEvent>

namespace pagora {

DocumentHolder::DocumentHolder()
    : DocumentWindow(QStringLiteral("frmJustPMain"), QStringLiteral("Form1"))
{
    m_box->viewport()->installEventFilter(this);
}

void DocumentHolder::load(const QString& path)
{
    loadDocument(path, QStringLiteral("Print Preview"));
    PreviewWindow::Settings settings;
    settings.objectName = QStringLiteral("frmJustPreview");
    QPointer<DocumentHolder> self(this);
    settings.print = [self](Printer* chosen) {
        if (self)
            self->MyPrintOff(chosen);
    };
    settings.document = m_box;
    m_preview = new PreviewWindow(settings);
    // The holder goes with its preview.
    connect(m_preview, &QObject::destroyed, this, &QObject::deleteLater);
    MessageReport errors(m_preview);
    PrintRoutines::PreviewRichText(*m_box, 1400, 1400, 1400, 1400, Printer::current().orientation(),
                                   *m_preview, errors);
    if (!m_preview->isVisible())
        m_preview->close();
}

bool DocumentHolder::eventFilter(QObject* watched, QEvent* event)
{
    // A click in its text closes the holder.
    if (watched == m_box->viewport() && event->type() == QEvent::MouseButtonPress)
        close();
    return DocumentWindow::eventFilter(watched, event);
}

} // namespace pagora
