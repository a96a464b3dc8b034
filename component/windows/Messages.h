#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace pagora {

// The component's message boxes, all with an OK button only. Tests answer them: in answering
// mode nothing is shown and each message is recorded as "title|text".
class Messages
{
public:
    static void tell(QWidget* parent, const QString& text, const QString& title = QString());
    // The printer error that every print action of the component shows.
    static void printerError(QWidget* parent);
    // An error shown as its number, one blank and its description.
    static void error(QWidget* parent, int number, const QString& description);
    static QString printerErrorText();
    // The save-file dialog; the chosen path, or empty when cancelled.
    static QString saveFile(QWidget* parent, const QString& title, const QString& filter);
    // The system's print dialog on a printer: the queue, copies and pages chosen there are
    // set on it. False when cancelled.
    static bool choosePrinter(QWidget* parent, QPrinter& printer);

    // What a test's print dialog answers: a queue, copies, and a page range (0 for all).
    struct PrinterChoice
    {
        QString queue;
        int copies = 1;
        int fromPage = 0;
        int toPage = 0;
    };

    static void setAnswering(bool on);
    static QStringList recorded();
    static void setNextSaveFile(const QString& path);
    static void setNextPrinterChoice(const PrinterChoice& choice);
    static void clear();
};

} // namespace pagora
