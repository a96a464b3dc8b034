#include "Messages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <deque>

namespace pagora {

namespace {

struct Record
{
    bool answering = false;
    QStringList messages;
    QStringList saveFiles;
    std::deque<Messages::PrinterChoice> printerChoices;
};

Record& record()
{
    static Record r;
    return r;
}

} // namespace

void Messages::tell(QWidget* parent, const QString& text, const QString& title)
{
    // A message without a title of its own carries the program's name, as the platform does.
    const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (record().answering) {
        record().messages << caption + QLatin1Char('|') + text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString Messages::printerErrorText()
{
    return QStringLiteral("Make sure that you have a printer installed.  If a ") +
           QStringLiteral("printer is installed, go into your printer properties ") +
           QStringLiteral("look under the Setup tab, and make sure the ICM checkbox ") +
           QStringLiteral("is checked and try printing again.");
}

void Messages::printerError(QWidget* parent)
{
    tell(parent, printerErrorText(), QStringLiteral("Printer Error"));
}

void Messages::error(QWidget* parent, int number, const QString& description)
{
    tell(parent, QString::number(number) + QLatin1Char(' ') + description);
}

QString Messages::saveFile(QWidget* parent, const QString& title, const QString& filter)
{
    if (record().answering)
        return record().saveFiles.isEmpty() ? QString() : record().saveFiles.takeFirst();
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool Messages::choosePrinter(QWidget* parent, QPrinter& printer)
{
    if (record().answering) {
        if (record().printerChoices.empty())
            return false;
        const PrinterChoice choice = record().printerChoices.front();
        record().printerChoices.pop_front();
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(choice.queue);
        printer.setCopyCount(choice.copies);
        if (choice.fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(choice.fromPage, choice.toPage);
        } else {
            printer.setPrintRange(QPrinter::AllPages);
        }
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The dialog only chooses; the preview's own Print prints. Its accept button says so.
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : buttons->buttons()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->setText(QStringLiteral("&OK"));
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

void Messages::setNextPrinterChoice(const PrinterChoice& choice)
{
    record().printerChoices.push_back(choice);
}

void Messages::setNextSaveFile(const QString& path)
{
    record().saveFiles << path;
}

void Messages::setAnswering(bool on)
{
    record().answering = on;
}

QStringList Messages::recorded()
{
    return record().messages;
}

void Messages::clear()
{
    record().messages.clear();
    record().saveFiles.clear();
    record().printerChoices.clear();
}

} // namespace pagora
