#include "ResultsImportWindow.h"

#include "records/AppContext.h"
#include "records/TrackLists.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {

// What an athlete's choice box holds besides runners' Pins.
constexpr qint64 kAdd = -1, kSkip = -2;

QString gradeText(const std::optional<int>& grade)
{
    return grade ? QStringLiteral(" (grade %1)").arg(*grade) : QString();
}

} // namespace

ResultsImportWindow::ResultsImportWindow(AppContext& app, MainLists& lists)
    : QWidget(nullptr, Qt::Window), m_app(app), m_lists(lists)
{
    setObjectName(QStringLiteral("importResults"));
    setWindowTitle(QStringLiteral("Import Results"));
    setFixedSize(Twips::size(11040, 8520));
    auto combo = [this](const QString& name, const QString& caption, int left, int top, int width) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        box->setGeometry(Twips::rect(left, top, width, 375));
        return box;
    };
    Controls::label(this, QStringLiteral("resultsTeamLabel"), QStringLiteral("Team"), 120, 180, 800,
                    255);
    m_team = combo(QStringLiteral("resultsTeam"), QStringLiteral("Team"), 960, 120, 3000);
    Controls::label(this, QStringLiteral("resultsMeetLabel"), QStringLiteral("Meet"), 4140, 180,
                    700, 255);
    m_meet = combo(QStringLiteral("resultsMeet"), QStringLiteral("Meet"), 4860, 120, 3840);
    auto* open = Controls::button(this, QStringLiteral("resultsOpen"),
                                  QStringLiteral("&Open File..."), 8880, 120, 2040, 375);
    m_fileLabel = Controls::label(this, QStringLiteral("resultsFile"),
                                  QStringLiteral("Open the results file the host posted."), 120,
                                  600, 10800, 255);
    Controls::label(this, QStringLiteral("resultsSchoolLabel"),
                    QStringLiteral("The team in the file"), 120, 1020, 1800, 255);
    m_school = combo(QStringLiteral("resultsSchool"), QStringLiteral("The team in the file"), 1980,
                     960, 3840);
    Controls::label(this, QStringLiteral("resultsAthletesLabel"),
                    QStringLiteral("Its athletes, and who they are on the roster:"), 120, 1440,
                    10800, 255);
    m_athletes = new QTableWidget(0, 3, this);
    m_athletes->setObjectName(QStringLiteral("resultsAthletes"));
    m_athletes->setAccessibleName(QStringLiteral("Athletes of the file"));
    m_athletes->setGeometry(Twips::rect(120, 1740, 10800, 2400));
    m_athletes->setHorizontalHeaderLabels(
        {QStringLiteral("In the file"), QStringLiteral("Line"), QStringLiteral("On the roster")});
    m_athletes->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_athletes->setColumnWidth(0, Twips::size(3600, 0).width());
    m_athletes->setColumnWidth(1, Twips::size(700, 0).width());
    m_athletes->verticalHeader()->hide();
    m_athletes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Controls::label(this, QStringLiteral("resultsPreviewLabel"),
                    QStringLiteral("What will be written:"), 120, 4260, 10800, 255);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("resultsPreview"));
    m_list->setAccessibleName(QStringLiteral("What will be written"));
    m_list->setGeometry(Twips::rect(120, 4560, 10800, 3000));
    m_summary =
        Controls::label(this, QStringLiteral("resultsSummary"), QString(), 120, 7680, 6600, 375);
    m_summary->setWordWrap(true);
    m_import = Controls::button(this, QStringLiteral("resultsImport"), QStringLiteral("&Import"),
                                6840, 7980, 1980, 375);
    Controls::closeButton(this, QStringLiteral("resultsClose"), 8940, 7980, 1980, 375);
    m_import->setDefault(true);

    connect(open, &QPushButton::clicked, this, &ResultsImportWindow::openFile);
    connect(m_import, &QPushButton::clicked, this, &ResultsImportWindow::import);
    connect(m_team, &QComboBox::currentIndexChanged, this, [this] {
        fillMeets(std::nullopt);
        if (m_file)
            m_school->setCurrentText(
                ResultsImport::bestSchool(m_file->schools(), m_team->currentText()));
        replan();
    });
    connect(m_meet, &QComboBox::currentIndexChanged, this, &ResultsImportWindow::replan);
    connect(m_school, &QComboBox::currentIndexChanged, this, &ResultsImportWindow::replan);
}

void ResultsImportWindow::build(qint64 team, std::optional<qint64> meet)
{
    const QSignalBlocker blockTeam(m_team);
    m_team->clear();
    UserAction::run(this, QStringLiteral("The teams could not be read."), [&] {
        for (const TrackLists::Item& t : TrackLists::teams(m_app.connection()))
            m_team->addItem(t.text, t.pin);
    });
    m_team->setCurrentIndex(std::max(0, m_team->findData(team)));
    m_file.reset();
    {
        const QSignalBlocker blockSchool(m_school);
        m_school->clear();
    }
    m_fileLabel->setText(QStringLiteral("Open the results file the host posted."));
    fillMeets(meet);
    replan();
}

void ResultsImportWindow::fillMeets(std::optional<qint64> meet)
{
    const QSignalBlocker block(m_meet);
    m_meet->clear();
    m_meet->addItem(QStringLiteral("A new meet, from the file"), 0);
    UserAction::run(this, QStringLiteral("The team's meets could not be read."), [&] {
        for (const TrackLists::Item& m : TrackLists::meets(m_app.connection(), team()))
            m_meet->addItem(m.text, m.pin);
    });
    m_meet->setCurrentIndex(std::max(0, m_meet->findData(meet.value_or(0))));
}

qint64 ResultsImportWindow::team() const
{
    return m_team->currentData().toLongLong();
}

std::optional<qint64> ResultsImportWindow::meet() const
{
    const qint64 pin = m_meet->currentData().toLongLong();
    return pin > 0 ? std::optional<qint64>(pin) : std::nullopt;
}

void ResultsImportWindow::openFile()
{
    const QString path = Dialogs::openFile(
        this, QStringLiteral("Open Results"),
        QStringLiteral("Results (*.txt *.htm *.html *.csv *.tsv);;All files (*)"), QString());
    if (path.isEmpty())
        return;
    showFile(ResultsFile::readFile(path), QFileInfo(path).fileName());
}

void ResultsImportWindow::openBytes(const QByteArray& bytes, const QString& name)
{
    showFile(ResultsFile::read(bytes), name);
}

void ResultsImportWindow::showFile(const ResultsFile& file, const QString& name)
{
    m_file = file;
    const ResultsFile& f = *m_file;
    QStringList about{name};
    if (f.error.isEmpty()) {
        about << QStringLiteral("a %1").arg(ResultsFile::formatName(f.format));
        if (!f.meetName.isEmpty())
            about << f.meetName;
        if (f.date.isValid())
            about << QLocale().toString(f.date, QLocale::ShortFormat);
        about << QStringLiteral("%1 results of %2 teams")
                     .arg(f.results.size())
                     .arg(f.schools().size());
    }
    m_fileLabel->setText(about.join(QStringLiteral(", ")));
    const QSignalBlocker block(m_school);
    m_school->clear();
    m_school->addItems(f.schools());
    m_school->setCurrentText(ResultsImport::bestSchool(f.schools(), m_team->currentText()));
    // The meet an earlier import of the file made, rather than another new one.
    if (!meet() && f.error.isEmpty())
        UserAction::run(this, QStringLiteral("The team's meets could not be read."), [&] {
            if (const auto before = ResultsImport::madeBefore(m_app.connection(), team(), f)) {
                const QSignalBlocker block(m_meet);
                m_meet->setCurrentIndex(std::max(0, m_meet->findData(*before)));
            }
        });
    replan();
}

void ResultsImportWindow::replan()
{
    m_plan = ResultsImport();
    m_sheet.reset();
    if (m_file && m_file->error.isEmpty() && team() > 0) {
        UserAction::run(
            this, QStringLiteral("The team's meet and runners could not be read."), [&] {
                if (meet())
                    m_sheet = MeetSheet::load(m_app.connection(), *meet());
                const QDate day = m_sheet ? m_sheet->date : m_file->date;
                m_plan =
                    ResultsImport::plan(*m_file, m_school->currentText(),
                                        ResultsImport::rosterOf(m_app.connection(), team(), day));
            });
    }
    showAthletes();
    showPreview();
}

void ResultsImportWindow::showAthletes()
{
    // The old choice boxes go later; until then nothing finds them by name.
    for (int i = 0; i < m_athletes->rowCount(); ++i)
        if (QWidget* old = m_athletes->cellWidget(i, 2))
            old->setObjectName(QString());
    m_athletes->setRowCount(0);
    QList<const AthleteMatch::Runner*> byName;
    for (const AthleteMatch::Runner& r : m_plan.roster)
        byName << &r;
    std::sort(byName.begin(), byName.end(),
              [](auto* a, auto* b) { return a->name.localeAwareCompare(b->name) < 0; });
    for (int i = 0; i < m_plan.athletes.size(); ++i) {
        const ResultsImport::Athlete& a = m_plan.athletes[i];
        m_athletes->insertRow(i);
        const QString written =
            a.name + (a.grade.isEmpty() ? QString() : QStringLiteral(", ") + a.grade);
        m_athletes->setItem(i, 0, new QTableWidgetItem(written));
        m_athletes->setItem(i, 1, new QTableWidgetItem(QString::number(a.line)));
        auto* choice = new QComboBox(m_athletes);
        choice->setObjectName(Controls::indexed(QStringLiteral("resultsChoice"), i));
        choice->setAccessibleName(QStringLiteral("On the roster: ") + a.name);
        // The closest runners first, then adding or skipping, then every other runner.
        for (const AthleteMatch::Runner* r : byName)
            if (a.found.runners.contains(r->pin))
                choice->addItem(QStringLiteral("Match: ") + r->name + gradeText(r->grade), r->pin);
        choice->addItem(QStringLiteral("Add to the roster") +
                            (a.grade.isEmpty() ? QString() : QStringLiteral(", grade ") + a.grade),
                        kAdd);
        choice->addItem(QStringLiteral("Skip"), kSkip);
        choice->insertSeparator(choice->count());
        for (const AthleteMatch::Runner* r : byName)
            if (!a.found.runners.contains(r->pin))
                choice->addItem(QStringLiteral("Match: ") + r->name + gradeText(r->grade), r->pin);
        const qint64 chosen = a.choice == ResultsImport::Athlete::Choice::Runner ? a.runner
                              : a.choice == ResultsImport::Athlete::Choice::Add  ? kAdd
                                                                                 : kSkip;
        choice->setCurrentIndex(choice->findData(chosen));
        if (!a.found.matched())
            m_athletes->item(i, 0)->setForeground(QColor(160, 0, 0));
        connect(choice, &QComboBox::currentIndexChanged, this, &ResultsImportWindow::showPreview);
        m_athletes->setCellWidget(i, 2, choice);
    }
}

void ResultsImportWindow::showPreview()
{
    for (int i = 0; i < m_plan.athletes.size(); ++i) {
        auto* choice = qobject_cast<QComboBox*>(m_athletes->cellWidget(i, 2));
        const qint64 chosen = choice ? choice->currentData().toLongLong() : kSkip;
        ResultsImport::Athlete& a = m_plan.athletes[i];
        a.choice = chosen > 0       ? ResultsImport::Athlete::Choice::Runner
                   : chosen == kAdd ? ResultsImport::Athlete::Choice::Add
                                    : ResultsImport::Athlete::Choice::Skip;
        a.runner = std::max<qint64>(0, chosen);
    }
    m_list->clear();
    m_preview = ResultsImport::Preview();
    auto add = [this](const QString& text, QColor colour = {}) {
        auto* item = new QListWidgetItem(text, m_list);
        if (colour.isValid())
            item->setForeground(colour);
    };
    if (m_file && !m_file->error.isEmpty())
        add(m_file->error, QColor(160, 0, 0));
    if (!m_file || !m_file->error.isEmpty() || team() <= 0) {
        m_summary->clear();
        m_import->setEnabled(false);
        return;
    }
    m_preview = m_plan.preview(m_sheet);
    for (const ResultPlacement::Row& row : m_preview.rows) {
        if (!row.changes)
            continue;
        const QString text = QStringLiteral("%1: %2: %3 (line %4)")
                                 .arg(row.where, row.who, row.result)
                                 .arg(row.line);
        if (row.replaces.isEmpty())
            add(text);
        else
            add(text + QStringLiteral("; replaces ") + row.replaces, QColor(150, 80, 0));
    }
    for (const ImportProblem& p : m_preview.left)
        add(QStringLiteral("Not written: %1 (line %2)").arg(p.text).arg(p.line), QColor(160, 0, 0));
    for (const ImportProblem& p : m_file->problems)
        add(QStringLiteral("Cannot be read: %1 (line %2)").arg(p.text).arg(p.line),
            QColor(160, 0, 0));
    for (const ImportProblem& p : m_file->skipped)
        add(QStringLiteral("Left out: %1 (line %2)").arg(p.text).arg(p.line), QColor(96, 96, 96));
    const qsizetype same = m_preview.rows.size() - m_preview.changes;
    m_summary->setText(
        QStringLiteral("%1 results to write (%2 replacing what the sheet holds), %3 on the sheet "
                       "already, %4 not written, %5 lines that cannot be read.")
            .arg(m_preview.changes)
            .arg(m_preview.replaced)
            .arg(same)
            .arg(m_preview.left.size())
            .arg(m_file->problems.size()));
    m_import->setEnabled(m_preview.changes > 0);
}

bool ResultsImportWindow::import()
{
    if (m_preview.changes == 0)
        return false;
    if (m_preview.replaced > 0) {
        QStringList replaced;
        for (const ResultPlacement::Row& row : m_preview.rows)
            if (!row.replaces.isEmpty())
                replaced
                    << QStringLiteral("%1: %2, not %3").arg(row.where, row.result, row.replaces);
        if (!Dialogs::ask(this, QStringLiteral("%1 results of the file replace what the sheet "
                                               "holds:\n%2\nReplace them?")
                                    .arg(m_preview.replaced)
                                    .arg(replaced.join(QLatin1Char('\n')))))
            return false;
    }
    std::pair<qint64, bool> written{0, false};
    if (!UserAction::run(
            this, QStringLiteral("The results were not imported; nothing was written."),
            [&] { written = m_plan.write(m_app.connection(), team(), meet(), m_app.userName()); }))
        return false;
    Dialogs::tell(this,
                  QStringLiteral("%1 results imported into the meet.").arg(m_preview.changes));
    m_lists.buildMeetList();
    m_lists.buildTeamList(team());
    hide();
    return true;
}
