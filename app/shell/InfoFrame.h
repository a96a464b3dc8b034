#pragma once

#include <QGroupBox>

class QLabel;

// The main window's "Info" frame: the text of the item last clicked, one line per value. A
// value too long for the frame ends in an ellipsis; the whole text is in the tooltip.
class InfoFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit InfoFrame(QWidget* parent);

    // The lines joined by CR LF, as given.
    QString text() const { return m_text; }
    void setText(const QString& text);

private:
    QLabel* m_label;
    QString m_text;
};
