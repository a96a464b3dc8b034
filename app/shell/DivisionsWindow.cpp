#include "DivisionsWindow.h"

#include "editors/DivisionWindow.h"
#include "records/AppContext.h"
#include "records/Division.h"
#include "records/MeetSheet.h"
#include "shell/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "units/Twips.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The item data that holds a division's gender ("F", "M", or empty).
constexpr int kGender = Qt::UserRole + 3;

} // namespace

DivisionsWindow::DivisionsWindow(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("usualDivisions"));
    setWindowTitle(QStringLiteral("Divisions"));
    setFixedSize(Twips::size(5400, 4080));
    Controls::label(this, QStringLiteral("divisionsLabel"),
                    QStringLiteral("Add Meet makes these divisions (none checked: one division "
                                   "without a name):"),
                    120, 120, 5160, 480)
        ->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("divisionsList"));
    m_list->setAccessibleName(QStringLiteral("Divisions Add Meet makes"));
    m_list->setGeometry(Twips::rect(120, 660, 3600, 2775));
    QPushButton* more = Controls::button(this, QStringLiteral("divisionsAdd"),
                                         QStringLiteral("Add\u2026"), 3840, 660, 1440, 375);
    QPushButton* remove = Controls::button(this, QStringLiteral("divisionsRemove"),
                                           QStringLiteral("Remove"), 3840, 1140, 1440, 375);
    QPushButton* ok = Controls::button(this, QStringLiteral("divisionsOk"), QStringLiteral("OK"),
                                       2640, 3600, 1215, 375);
    ok->setDefault(true);
    QPushButton* cancel = Controls::button(this, QStringLiteral("divisionsCancel"),
                                           QStringLiteral("Cancel"), 4065, 3600, 1215, 375);
    connect(more, &QPushButton::clicked, this, [this] {
        if (!m_new)
            m_new = new DivisionWindow(this);
        QStringList taken;
        for (int row = 0; row < m_list->count(); ++row)
            taken << m_list->item(row)->data(Qt::UserRole).toString();
        m_new->ask(taken,
                   [this](const QString& name, const QString& gender) { add(name, gender, true); });
    });
    // Only a division of the coach's own goes; the usual ones are unchecked instead.
    connect(remove, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_list->currentItem(); item && item->data(kGender + 1).toBool())
            delete item;
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        keep();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DivisionsWindow::addMenuItem(QMenuBar* bar, AppContext& app, QWidget* parent)
{
    QMenu* options = bar->findChild<QMenu*>(QStringLiteral("mnuOptions"));
    if (!options)
        options = bar->addMenu(QStringLiteral("&Options"));
    app.setUsualDivisions(UsualDivisions::read(SettingsStore::read(QStringLiteral("Divisions"))));
    QAction* action = options->addAction(QStringLiteral("&Divisions\u2026"));
    action->setObjectName(QStringLiteral("mnuDivisions"));
    QObject::connect(action, &QAction::triggered, parent, [&app, parent] {
        auto* window = parent->findChild<DivisionsWindow*>();
        if (!window)
            window = new DivisionsWindow(app, parent);
        window->build();
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void DivisionsWindow::add(const QString& name, const QString& gender, bool checked)
{
    auto* item = new QListWidgetItem(
        name + QStringLiteral(" (") + Division::genderWord(gender) + QLatin1Char(')'), m_list);
    item->setData(Qt::UserRole, name);
    item->setData(kGender, gender);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    item->setData(kGender + 1, !Division::isStandard(name));
}

void DivisionsWindow::build()
{
    m_list->clear();
    const UsualDivisions::List chosen = m_app.usualDivisions();
    auto isChosen = [&chosen](const QString& name) {
        return std::any_of(chosen.begin(), chosen.end(),
                           [&name](const auto& d) { return d.first == name; });
    };
    for (const auto& [name, gender] : Division::standard())
        add(name, gender, isChosen(name));
    for (const auto& [name, gender] : chosen)
        if (!Division::isStandard(name))
            add(name, gender, true);
}

void DivisionsWindow::keep()
{
    UsualDivisions::List chosen;
    for (int row = 0; row < m_list->count(); ++row)
        if (const QListWidgetItem* item = m_list->item(row); item->checkState() == Qt::Checked)
            chosen.append({item->data(Qt::UserRole).toString(), item->data(kGender).toString()});
    if (chosen.size() > MeetSheet::MaxDivisions) {
        Dialogs::tell(this,
                      QStringLiteral("A meet holds at most %1 divisions; the first %1 checked are "
                                     "kept.")
                          .arg(MeetSheet::MaxDivisions),
                      Dialogs::Icon::Warning);
        chosen = chosen.mid(0, MeetSheet::MaxDivisions);
    }
    m_app.setUsualDivisions(chosen);
    SettingsStore::write(QStringLiteral("Divisions"), UsualDivisions::write(chosen));
    SettingsStore::sync();
}
