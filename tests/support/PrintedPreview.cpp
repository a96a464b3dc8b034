#include "PrintedPreview.h"

#include "support/PdfText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

QWidget* PrintedPreview::window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmJustPreview") && w->isVisible())
            return w;
    return nullptr;
}

bool PrintedPreview::havePrinter()
{
    return !qEnvironmentVariableIsEmpty("PAGORA_TEST_PDF_DIR");
}

QString PrintedPreview::print()
{
    QWidget* preview = window();
    if (!preview)
        return QStringLiteral("<no preview window>");
    auto* button = preview->findChild<QAbstractButton*>(QStringLiteral("btnPreview_0"));
    if (!havePrinter()) {
        preview->close();
        return QString();
    }
    const QString pdfs = qEnvironmentVariable("PAGORA_TEST_PDF_DIR");
    const QStringList before = PdfText::pdfsIn(pdfs);
    QTest::mouseClick(button, Qt::LeftButton);
    const QString pdf = PdfText::waitForNewPdf(pdfs, before);
    if (pdf.isEmpty())
        return QStringLiteral("<nothing printed>");
    return PdfText(pdf).text();
}

bool PrintedPreview::inOrder(const QString& text, const QStringList& words, QString* missing)
{
    qsizetype at = 0;
    for (const QString& w : words) {
        const qsizetype next = text.indexOf(w, at);
        if (next < 0) {
            *missing = w;
            return false;
        }
        at = next + w.size();
    }
    return true;
}
