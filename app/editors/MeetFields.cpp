#include "MeetFields.h"

#include "ui/Controls.h"
#include "ui/DateBox.h"
#include "units/Twips.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

MeetFields::MeetFields(QWidget* area, int x)
{
    Controls::label(area, QStringLiteral("Label2_6"), QStringLiteral("Hosting School"), 7680 + x,
                    3900, 1380, 255);
    schoolBox =
        Controls::button(area, QStringLiteral("schoolBox"), QString(), 9120 + x, 3840, 2295, 375);
    Controls::label(area, QStringLiteral("Label2_4"), QStringLiteral("Time"), 6360 + x, 4065, 600,
                    255);
    timeBox = new QCalendarWidget(area);
    timeBox->setObjectName(QStringLiteral("timeBox"));
    timeBox->setAccessibleName(QStringLiteral("Time"));
    // The date can be typed: its box takes the calendar's top, which gives up that height.
    dateBox = new DateBox(area);
    dateBox->setObjectName(QStringLiteral("meetDate"));
    dateBox->setAccessibleName(QStringLiteral("Date"));
    dateBox->setGeometry(Twips::rect(6360 + x, 4320, 1800, 315));
    timeBox->setGeometry(Twips::rect(6360 + x, 4680, 5055, 2655));
    QObject::connect(timeBox, &QCalendarWidget::selectionChanged, dateBox,
                     [this] { dateBox->setDate(timeBox->selectedDate()); });
    QObject::connect(dateBox, &DateBox::dateTyped, timeBox, &QCalendarWidget::setSelectedDate);
    timeBox->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    Controls::label(area, QStringLiteral("Label2_7"), QStringLiteral("Meet Place"), 6120 + x, 7500,
                    1020, 255);
    meetPlace = Controls::textBox(area, QStringLiteral("meetPlace"), QStringLiteral("Meet Place"),
                                  7140 + x, 7440, 855, 375);
    Controls::label(area, QStringLiteral("Label2_5"), QStringLiteral("Weather"), 8100 + x, 7500,
                    780, 255);
    weatherBox = Controls::textBox(area, QStringLiteral("weatherBox"), QStringLiteral("Weather"),
                                   8880 + x, 7440, 2535, 375);
    reportButton = Controls::button(area, QStringLiteral("reportButton"),
                                    QStringLiteral("Run Report"), 6480 + x, 7920, 1335, 375);
    deleteButton = Controls::button(area, QStringLiteral("deleteButton"),
                                    QStringLiteral("Delete Meet"), 8040 + x, 7920, 1455, 375);
    updateButton = Controls::button(area, QStringLiteral("updateButton"),
                                    QStringLiteral("Update Meet Info"), 9720 + x, 7920, 1695, 375);
}

void MeetFields::clear()
{
    schoolBox->setText(QString());
    meetPlace->clear();
    weatherBox->clear();
    describeHost();
}

void MeetFields::setLoaded(QDate date, QTime time)
{
    m_loadedDate = date;
    m_loadedTime = time;
}

void MeetFields::show(const MeetSheet& sheet)
{
    setLoaded(sheet.date, sheet.time);
    // A meet without a date starts on today, and Save writes what the calendar shows.
    timeBox->setSelectedDate(sheet.date.isValid() ? sheet.date : QDate::currentDate());
    weatherBox->setText(sheet.weather);
    schoolBox->setText((sheet.host ? QString::number(*sheet.host) : QString()) + QLatin1Char(' ') +
                       sheet.hostName);
    meetPlace->setText(sheet.place);
    dateBox->setDate(timeBox->selectedDate());
    describeHost();
}

void MeetFields::readInto(MeetSheet& sheet) const
{
    sheet.date = timeBox->selectedDate();
    sheet.time = sheet.date == m_loadedDate ? m_loadedTime : QTime();
    bool hostOk = false;
    const qint64 host = schoolBox->text().section(QLatin1Char(' '), 0, 0).toLongLong(&hostOk);
    sheet.host = hostOk ? std::optional<qint64>(host) : std::nullopt;
    sheet.hostName = schoolBox->text().section(QLatin1Char(' '), 1);
    sheet.place = meetPlace->text();
    sheet.weather = weatherBox->text();
}

void MeetFields::describeHost()
{
    // The caption is "Pin School": the reader is told the school.
    const QString school = schoolBox->text().section(QLatin1Char(' '), 1).trimmed();
    schoolBox->setAccessibleName(QStringLiteral("Hosting School: ") +
                                 (school.isEmpty() ? QStringLiteral("none chosen") : school));
}

std::optional<QString> MeetFields::badDate(QDate date) const
{
    if (DateBox::read(dateBox->text()) == date)
        return std::nullopt;
    return MeetSheet::refusal(dateBox->accessibleName(), dateBox->accessibleName(), dateBox->text(),
                              QStringLiteral("a date such as ") +
                                  QLocale().toString(date, DateBox::format())) +
           QStringLiteral(" Nothing was saved.");
}

QList<QWidget*> MeetFields::tabOrder() const
{
    return {schoolBox,  dateBox,      timeBox,      meetPlace,
            weatherBox, reportButton, deleteButton, updateButton};
}
