#pragma once

#include "ui/NumberBox.h"

#include <QDate>

// A date typed in the locale's short form, with the year in four digits ("5/18/2026"); a year
// typed in two digits is read as this century's. A text that is no date is refused as the box
// is left, and stays there to be mended. Like the sheet's number boxes, a click selects the
// whole date, so that the date typed replaces it.
class DateBox : public NumberBox
{
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    void setDate(QDate date);
    QDate date() const { return m_date; }
    static QString format();
    static QDate read(const QString& text);

signals:
    void dateTyped(QDate date);

private:
    void finished();

    QDate m_date;
};
