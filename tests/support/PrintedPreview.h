#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A report's preview as the coach prints it: the Print button of the open preview window,
// the job through the test printer queue, and the text of the PDF that comes out.
class PrintedPreview
{
public:
    // The report's preview window that is open now, or null.
    static QWidget* window();
    // Presses Print and returns the printed text. Null text without the test queue (a bare
    // ctest run), so that callers can skip what needs paper.
    static QString print();
    static bool havePrinter();
    // Whether `words` occur in `text` in this order; if not, the first one missing.
    static bool inOrder(const QString& text, const QStringList& words, QString* missing);
};
