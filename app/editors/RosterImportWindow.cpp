#include "RosterImportWindow.h"

#include "records/AppContext.h"
#include "records/RunnerName.h"
#include "records/TrackLists.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

RosterImportWindow::RosterImportWindow(AppContext& app, MainLists& lists)
    : QWidget(nullptr, Qt::Window), m_app(app), m_lists(lists)
{
    setObjectName(QStringLiteral("importRoster"));
    setWindowTitle(QStringLiteral("Import Roster"));
    setFixedSize(Twips::size(8400, 7200));
    Controls::label(this, QStringLiteral("importTeamLabel"), QStringLiteral("Team"), 120, 180, 1000,
                    255);
    m_team = new QComboBox(this);
    m_team->setObjectName(QStringLiteral("importTeam"));
    m_team->setAccessibleName(QStringLiteral("Team"));
    m_team->setGeometry(Twips::rect(1200, 120, 3600, 375));
    m_open = Controls::button(this, QStringLiteral("importOpen"), QStringLiteral("&Open File..."),
                              5040, 120, 1800, 375);
    Controls::label(this, QStringLiteral("importTextLabel"),
                    QStringLiteral("Or paste the roster from a spreadsheet, its header first:"),
                    120, 660, 8100, 255);
    m_text = Controls::multiLineBox(this, QStringLiteral("importText"),
                                    QStringLiteral("Roster text"), 120, 960, 8160, 2055);
    m_text->setPlainText(QString());
    m_text->setPlaceholderText(QStringLiteral("Last\tFirst\tGrade\tClass of\tGender\tPhone\t"
                                              "Address"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview = new QListWidget(this);
    m_preview->setObjectName(QStringLiteral("importPreview"));
    m_preview->setAccessibleName(QStringLiteral("What the roster holds"));
    m_preview->setGeometry(Twips::rect(120, 3120, 8160, 3000));
    m_summary =
        Controls::label(this, QStringLiteral("importSummary"), QString(), 120, 6240, 5700, 375);
    m_import = Controls::button(this, QStringLiteral("importButton"), QStringLiteral("&Import"),
                                3600, 6600, 2280, 375);
    Controls::closeButton(this, QStringLiteral("importClose"), 6000, 6600, 2280, 375);
    m_import->setDefault(true);

    connect(m_open, &QPushButton::clicked, this, &RosterImportWindow::openFile);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        m_fromFile = false;
        m_roster = RosterFile::readText(m_text->toPlainText());
        preview();
    });
    connect(m_team, &QComboBox::currentIndexChanged, this, &RosterImportWindow::preview);
    connect(m_import, &QPushButton::clicked, this, &RosterImportWindow::import);
}

void RosterImportWindow::build(qint64 team)
{
    m_team->blockSignals(true);
    m_team->clear();
    UserAction::run(this, QStringLiteral("The teams could not be read."), [&] {
        for (const TrackLists::Item& t : TrackLists::teams(m_app.connection()))
            m_team->addItem(t.text, t.pin);
    });
    m_team->setCurrentIndex(std::max(0, m_team->findData(team)));
    m_team->blockSignals(false);
    m_text->blockSignals(true);
    m_text->clear();
    m_text->blockSignals(false);
    m_roster = RosterFile();
    preview();
}

qint64 RosterImportWindow::team() const
{
    return m_team->currentData().toLongLong();
}

void RosterImportWindow::openFile()
{
    const QString path =
        Dialogs::openFile(this, QStringLiteral("Open Roster"),
                          QStringLiteral("Rosters (*.csv *.txt *.tsv);;All files (*)"), QString());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs::tell(this,
                      QStringLiteral("\"%1\" could not be read: %2").arg(path, file.errorString()),
                      Dialogs::Icon::Warning);
        return;
    }
    openBytes(file.readAll(), QFileInfo(path).fileName());
}

void RosterImportWindow::openBytes(const QByteArray& bytes, const QString& name)
{
    m_text->blockSignals(true);
    m_text->clear();
    m_text->setPlaceholderText(QStringLiteral("Read from %1").arg(name));
    m_text->blockSignals(false);
    m_fromFile = true;
    m_roster = RosterFile::read(bytes);
    preview();
}

void RosterImportWindow::preview()
{
    m_preview->clear();
    m_plan = RosterImport();
    if (m_roster.error.isEmpty() && team() > 0)
        UserAction::run(this, QStringLiteral("The team's runners could not be read."),
                        [&] { m_plan = RosterImport::plan(m_app.connection(), team(), m_roster); });
    auto add = [this](const QString& text, bool problem) {
        auto* item = new QListWidgetItem(text, m_preview);
        if (problem)
            item->setForeground(QColor(160, 0, 0));
    };
    if (!m_roster.error.isEmpty())
        add(m_roster.error, true);
    for (const QString& p : m_roster.problems)
        add(p, true);
    auto described = [](const RosterFile::Runner& r) {
        // As it will be stored.
        QString text = RunnerName::join(r.first, r.last);
        if (r.classOf)
            text += QStringLiteral(" (class of %1)").arg(*r.classOf);
        else if (r.grade)
            text += QStringLiteral(" (grade %1)").arg(*r.grade);
        return text;
    };
    for (const RosterFile::Runner& r : m_plan.added)
        add(QStringLiteral("Add: ") + described(r), false);
    for (const RosterFile::Runner& r : m_plan.present)
        add(QStringLiteral("Already in the team: ") + described(r), false);
    m_summary->setText(
        m_roster.runners.isEmpty() && m_roster.error.isEmpty() && m_roster.problems.isEmpty()
            ? QString()
            : QStringLiteral("%1 to add, %2 already in the team, %3 not taken.")
                  .arg(m_plan.added.size())
                  .arg(m_plan.present.size())
                  .arg(m_roster.problems.size() == 1
                           ? QStringLiteral("1 line")
                           : QStringLiteral("%1 lines").arg(m_roster.problems.size())));
    m_import->setEnabled(!m_plan.added.isEmpty());
}

bool RosterImportWindow::import()
{
    if (m_plan.added.isEmpty())
        return false;
    const qint64 t = team();
    if (!UserAction::run(this, QStringLiteral("The roster was not imported; nothing was added."),
                         [&] { m_plan.apply(m_app.connection(), t); }))
        return false;
    const qsizetype n = m_plan.added.size();
    Dialogs::tell(this, (n == 1 ? QStringLiteral("1 runner added to %1.")
                                : QStringLiteral("%1 runners added to %2.").arg(n))
                            .arg(m_team->currentText()));
    m_lists.buildTeamList();
    hide();
    return true;
}
