#include "RecordWindow.h"

#include "ui/Dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

RecordWindow::RecordWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void RecordWindow::offerForTyping(QWidget* box)
{
    box->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
}

void RecordWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible() && isModified()) {
        switch (Dialogs::askYesNoCancel(this, saveQuestion())) {
        case Dialogs::Answer::Yes:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case Dialogs::Answer::No:
            // What was typed is dropped: the window shows the record as stored next time.
            markUnchanged();
            break;
        case Dialogs::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

void RecordWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        else if (m_update)
            m_update->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
