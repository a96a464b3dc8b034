#pragma once

#include <QLineEdit>

// A box of the meet sheet: it selects its whole text when it gets the focus, by the mouse, the
// keyboard or the program, so that what is typed replaces the "0" it starts with.
class NumberBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_clickedIn = false;
};
