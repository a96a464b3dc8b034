#include "NumberBox.h"

#include <QFocusEvent>

void NumberBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The click that gave the focus also places the cursor, after this: select on its release.
    if (event->reason() == Qt::MouseFocusReason)
        m_clickedIn = true;
    else
        selectAll();
}

void NumberBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // A drag that chose part of the text keeps its choice.
    if (m_clickedIn && !hasSelectedText())
        selectAll();
    m_clickedIn = false;
}
