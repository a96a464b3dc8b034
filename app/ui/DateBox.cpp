#include "DateBox.h"

#include "ui/Dialogs.h"

#include <QLocale>

DateBox::DateBox(QWidget* parent) : NumberBox(parent)
{
    setPlaceholderText(format());
    connect(this, &QLineEdit::editingFinished, this, &DateBox::finished);
}

QString DateBox::format()
{
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

QDate DateBox::read(const QString& text)
{
    const QString t = text.trimmed();
    const QLocale locale;
    QDate d = locale.toDate(t, format());
    if (!d.isValid()) {
        // Two digits of the year: Qt reads them as the 1900s.
        QString shortYear = format();
        shortYear.replace(QLatin1String("yyyy"), QLatin1String("yy"));
        d = locale.toDate(t, shortYear);
        if (d.isValid())
            d = d.addYears(100);
    }
    return d;
}

void DateBox::setDate(QDate date)
{
    m_date = date;
    setText(QLocale().toString(date, format()));
}

void DateBox::finished()
{
    const QDate typed = read(text());
    if (typed.isValid()) {
        if (typed != m_date) {
            setDate(typed);
            emit dateTyped(typed);
        }
        return;
    }
    Dialogs::tell(this,
                  QStringLiteral("\"%1\" is not a date. Type it as %2, for example %3.")
                      .arg(text(), format(), QLocale().toString(QDate::currentDate(), format())),
                  Dialogs::Icon::Warning);
    // The text stays to be mended: Save refuses it as well.
    setFocus();
    selectAll();
}
