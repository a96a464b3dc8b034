#pragma once

#include <QString>
#include <optional>

class AppContext;
class QWidget;

// File › Publish Site...: the selected team's website into a folder the coach chooses (the
// last one again, by default), every season of it; then says where it went and how many pages
// it has.
class SitePublishing
{
public:
    static bool publish(QWidget* parent, AppContext& app, std::optional<qint64> team);
};
