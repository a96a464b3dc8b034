#include "EditorWindow.h"

#include "layout/RichTextBox.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "units/Twips.h"
#include "windows/MessageReport.h"
#include "windows/PreviewWindow.h"

#include <QPushButton>

namespace pagora {

EditorWindow::EditorWindow()
    : DocumentWindow(QStringLiteral("OpenFile"),
                     QStringLiteral("Tessaly Print Preview ActiveX Object - Edit File"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    const int dpi = logicalDpiX();
    auto button = [this, dpi](const QString& name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPointSize(8);
        b->setFont(tahoma);
        b->setGeometry(Twips::toPixels(left, dpi), 0, Twips::toPixels(width, dpi),
                       Twips::toPixels(375, dpi));
        return b;
    };
    connect(button(QStringLiteral("Command2"), QStringLiteral("Turn On"), 1560, 975),
            &QPushButton::clicked, this, &EditorWindow::turnOn);
    connect(button(QStringLiteral("Command3"), QStringLiteral("Turn Off"), 2640, 975),
            &QPushButton::clicked, this, &EditorWindow::turnOff);
    connect(button(QStringLiteral("Command1"), QStringLiteral("Print"), 3720, 1095),
            &QPushButton::clicked, this, &EditorWindow::Command1_Click);
    connect(button(QStringLiteral("Command4"), QStringLiteral("Preview"), 4920, 1095),
            &QPushButton::clicked, this, &EditorWindow::preview);
}

void EditorWindow::load(const QString& path)
{
    loadDocument(path);
}

void EditorWindow::Command1_Click()
{
    MyPrintOff();
}

void EditorWindow::turnOn()
{
    PrintRoutines::MatchPrinterLayout(*m_box, 1440, 1440, true);
}

void EditorWindow::turnOff()
{
    PrintRoutines::MatchPrinterLayout(*m_box, 1440, 1440, false);
}

void EditorWindow::preview()
{
    // A fresh preview for every layout: an earlier one never keeps pages of its own.
    if (m_preview)
        m_preview->close();
    PreviewWindow::Settings settings;
    settings.objectName = QStringLiteral("frmPreview");
    settings.closeWhenDeactivated = true;
    QPointer<EditorWindow> self(this);
    settings.print = [self](Printer* chosen) {
        if (self)
            self->MyPrintOff(chosen);
    };
    settings.document = m_box;
    m_preview = new PreviewWindow(settings);
    MessageReport errors(m_preview);
    PrintRoutines::PreviewRichText(*m_box, 1400, 1400, 1400, 1400, Printer::current().orientation(),
                                   *m_preview, errors);
    if (!m_preview->isVisible())
        m_preview->close();
}

void EditorWindow::resizeEvent(QResizeEvent* event)
{
    DocumentWindow::resizeEvent(event);
    if (isMinimized())
        return;
    const int dpi = logicalDpiX();
    const QRect inner = contentsRect();
    m_box->setGeometry(Twips::toPixels(100, dpi), Twips::toPixels(500, dpi),
                       std::max(0, inner.width() - Twips::toPixels(200, dpi)),
                       std::max(0, inner.height() - Twips::toPixels(600, dpi)));
}

} // namespace pagora
