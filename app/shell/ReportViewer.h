#pragma once

#include <functional>

class QWidget;
class Report;

// Shows a report in the print-and-preview component: writes the work file and hands its path
// to a new `Pagora.Print`. What goes wrong is told to the user.
class ReportViewer
{
public:
    // False, after telling the user, when there is no preview.
    static bool show(QWidget* parent, const Report& report);
    // Builds the report first; a report that cannot be built is told as well.
    static bool show(QWidget* parent, const std::function<Report()>& build);
};
