#include "ReportsMenu.h"

#include <QMenu>
#include <QMenuBar>

void ReportsMenu::add(QMenuBar* bar, const std::function<void(ReportRequest::Kind)>& show)
{
    QMenu* reports = bar->addMenu(QStringLiteral("&Reports"));
    reports->setObjectName(QStringLiteral("mnuReports"));
    const std::tuple<const char*, QString, ReportRequest::Kind> teamReports[] = {
        {"mnuRecords", QStringLiteral("School &Records"), ReportRequest::Kind::Records},
        {"mnuTopTen", QStringLiteral("&Top Ten"), ReportRequest::Kind::TopTen},
        {"mnuSeasonLeaders", QStringLiteral("&Season Leaders"),
         ReportRequest::Kind::SeasonLeaders}};
    for (const auto& [name, caption, kind] : teamReports) {
        QAction* action = reports->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, reports, [show, kind = kind] { show(kind); });
    }
}
