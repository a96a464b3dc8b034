#pragma once

#include <QString>

class KeyedList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Makes the controls of the program's windows at their designed places (in twips), each with
// its name as objectName. Text boxes carry the caption of the label beside them as their
// accessible name.
class Controls
{
public:
    static QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left,
                         int top, int width, int height);
    static QLineEdit* textBox(QWidget* parent, const QString& name, const QString& accessibleName,
                              int left, int top, int width, int height);
    // A text box that selects its whole text when it gets the focus.
    static QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& accessibleName,
                                int left, int top, int width, int height);
    static QPlainTextEdit* multiLineBox(QWidget* parent, const QString& name,
                                        const QString& accessibleName, int left, int top, int width,
                                        int height);
    static QPushButton* button(QWidget* parent, const QString& name, const QString& caption,
                               int left, int top, int width, int height);
    // "Close", which closes the window, as Escape does anywhere in it.
    static QPushButton* closeButton(QWidget* window, const QString& name, int left, int top,
                                    int width, int height);
    static KeyedList* list(QWidget* parent, const QString& name, const QString& accessibleName,
                           int left, int top, int width, int height);
    // "name_index", the objectName of one element of a control array.
    static QString indexed(const QString& name, int index);
};
