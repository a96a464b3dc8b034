#pragma once

#include "records/MeetSheet.h"

#include <QDate>
#include <QTime>

class DateBox;
class QCalendarWidget;
class QLineEdit;
class QPushButton;
class QWidget;

// The meet's own controls on its sheet: the hosting school, the date (typed or picked on the
// calendar), the place and the weather, and the sheet's three buttons.
class MeetFields
{
public:
    // Made on the sheet, in its right half moved right by `shift` twips.
    MeetFields(QWidget* sheet, int shift);

    QPushButton* schoolBox = nullptr;
    DateBox* dateBox = nullptr;
    QCalendarWidget* timeBox = nullptr;
    QLineEdit* meetPlace = nullptr;
    QLineEdit* weatherBox = nullptr;
    QPushButton* reportButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* updateButton = nullptr;

    void clear();
    // Shows a loaded sheet's fields; the date and time of day it had are kept.
    void show(const MeetSheet& sheet);
    // The fields as shown, into a sheet: a date that did not change keeps its time of day.
    void readInto(MeetSheet& sheet) const;
    // The host button tells a screen reader which school was chosen.
    void describeHost();
    // The date box holds a date the calendar agrees with; else a refusal to tell.
    std::optional<QString> badDate(QDate date) const;
    QList<QWidget*> tabOrder() const;
    // The date as the sheet was loaded or last saved, with its time of day.
    void setLoaded(QDate date, QTime time);

private:
    QDate m_loadedDate;
    QTime m_loadedTime;
};
