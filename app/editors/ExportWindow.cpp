#include "ExportWindow.h"

#include "records/AppContext.h"
#include "records/ResultsExport.h"
#include "records/RosterImport.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

ExportWindow::ExportWindow(AppContext& app) : QWidget(nullptr, Qt::Window), m_app(app)
{
    setObjectName(QStringLiteral("exportData"));
    setWindowTitle(QStringLiteral("Export"));
    setFixedSize(Twips::size(5400, 2760));
    auto option = [this](const QString& name, const QString& caption, int top) {
        auto* b = new QRadioButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(Twips::rect(240, top, 5000, 315));
        return b;
    };
    m_meetResults =
        option(QStringLiteral("exportMeet"), QStringLiteral("Results of the selected &meet"), 180);
    m_seasonResults = option(QStringLiteral("exportSeason"), QString(), 600);
    m_allResults = option(QStringLiteral("exportAll"), QStringLiteral("&Every result"), 1020);
    m_roster = option(QStringLiteral("exportRoster"),
                      QStringLiteral("&Roster of the selected team"), 1440);
    auto* save = Controls::button(this, QStringLiteral("exportSave"), QStringLiteral("&Save..."),
                                  1680, 2160, 1680, 375);
    Controls::closeButton(this, QStringLiteral("exportClose"), 3480, 2160, 1680, 375);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ExportWindow::save);
}

void ExportWindow::build(std::optional<qint64> team, std::optional<qint64> meet)
{
    m_team = team;
    m_meet = meet;
    m_meetResults->setEnabled(meet.has_value());
    m_seasonResults->setText(m_app.season()
                                 ? QStringLiteral("Results of the &season %1").arg(*m_app.season())
                                 : QStringLiteral("Results of a &season (none is chosen)"));
    m_seasonResults->setEnabled(m_app.season().has_value());
    m_roster->setEnabled(team.has_value());
    (meet ? m_meetResults : m_allResults)->setChecked(true);
}

bool ExportWindow::save()
{
    const bool roster = m_roster->isChecked();
    QString name = roster ? QStringLiteral("Roster.csv") : QStringLiteral("Results.csv");
    if (m_seasonResults->isChecked())
        name = QStringLiteral("Results %1.csv").arg(*m_app.season());
    const QString path = Dialogs::saveFile(this, QStringLiteral("Export"),
                                           QStringLiteral("CSV files (*.csv)"), name);
    if (path.isEmpty())
        return false;
    QString text;
    if (!UserAction::run(this, QStringLiteral("Nothing was exported."), [&] {
            if (roster)
                text = RosterImport::exportTeam(m_app.connection(), *m_team);
            else if (m_meetResults->isChecked())
                text = ResultsExport::csv(m_app.connection(), {m_meet, std::nullopt});
            else if (m_seasonResults->isChecked())
                text = ResultsExport::csv(m_app.connection(), {std::nullopt, m_app.season()});
            else
                text = ResultsExport::csv(m_app.connection(), {});
        }))
        return false;
    // With a byte-order mark, spreadsheets read the accents as UTF-8; the file appears whole or
    // not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") < 0 ||
        file.write(text.toUtf8()) < 0 || !file.commit()) {
        Dialogs::tell(this,
                      QStringLiteral("\"%1\" could not be written: %2. Nothing was exported.")
                          .arg(path, file.errorString()),
                      Dialogs::Icon::Warning);
        return false;
    }
    hide();
    return true;
}
