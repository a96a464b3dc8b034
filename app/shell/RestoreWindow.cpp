#include "RestoreWindow.h"

#include "data/DatabaseBackup.h"
#include "data/DatabaseError.h"
#include "data/Field.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "units/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

RestoreWindow::RestoreWindow(QWidget* parent, std::function<bool(const QString&)> restore)
    : QWidget(parent, Qt::Window), m_restore(std::move(restore))
{
    setObjectName(QStringLiteral("restoreDatabase"));
    setWindowTitle(QStringLiteral("Restore"));
    setFixedSize(Twips::size(7200, 4560));
    m_label = Controls::label(this, QStringLiteral("restoreLabel"), QString(), 120, 120, 6960, 375);
    m_label->setWordWrap(true);
    m_copies = new QTreeWidget(this);
    m_copies->setObjectName(QStringLiteral("restoreList"));
    m_copies->setAccessibleName(QStringLiteral("Copies of the open database"));
    m_copies->setGeometry(Twips::rect(120, 480, 6960, 3300));
    m_copies->setRootIsDecorated(false);
    m_copies->setHeaderLabels({QStringLiteral("Taken"), QStringLiteral("Teams"),
                               QStringLiteral("Runners"), QStringLiteral("Meets")});
    m_copies->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_copies->header()->setStretchLastSection(false);
    for (int column = 1; column < 4; ++column)
        m_copies->header()->resizeSection(column, Twips::x(1000));
    auto* other = Controls::button(this, QStringLiteral("restoreOther"),
                                   QStringLiteral("Other &File..."), 120, 3960, 2000, 375);
    m_restoreButton = Controls::button(this, QStringLiteral("restoreButton"),
                                       QStringLiteral("&Restore"), 2960, 3960, 2000, 375);
    Controls::closeButton(this, QStringLiteral("restoreClose"), 5080, 3960, 2000, 375);
    m_restoreButton->setDefault(true);
    connect(other, &QPushButton::clicked, this, &RestoreWindow::pickFile);
    connect(m_restoreButton, &QPushButton::clicked, this, &RestoreWindow::restoreSelected);
    connect(m_copies, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_restoreButton->setEnabled(m_copies->currentItem() != nullptr); });
    connect(m_copies, &QTreeWidget::itemActivated, this, &RestoreWindow::restoreSelected);
}

void RestoreWindow::build(const QString& databasePath)
{
    m_databasePath = databasePath;
    m_copies->clear();
    for (const QString& path : DatabaseBackup::kept(databasePath))
        addCopy(path, false);
    if (m_copies->topLevelItemCount() > 0)
        m_copies->setCurrentItem(m_copies->topLevelItem(0));
    m_label->setText(m_copies->topLevelItemCount() > 0
                         ? QStringLiteral("Copies of the open database, newest first:")
                         : QStringLiteral("No copy of this database has been kept yet: one is "
                                          "made each time Cindrel starts with it. Other File... "
                                          "picks a copy that Back Up wrote."));
    m_restoreButton->setEnabled(m_copies->currentItem() != nullptr);
}

bool RestoreWindow::addCopy(const QString& path, bool atTop)
{
    DatabaseBackup::Summary summary;
    try {
        summary = DatabaseBackup::summary(path);
    } catch (const DatabaseError& e) {
        // A kept copy that cannot be read is left out of the list; a chosen file is told.
        if (atTop)
            Dialogs::tell(this, e.message(), Dialogs::Icon::Warning);
        return false;
    }
    auto* item =
        new QTreeWidgetItem({Field::dateText(summary.taken), QString::number(summary.teams),
                             QString::number(summary.runners), QString::number(summary.meets)});
    item->setData(0, Qt::UserRole, path);
    item->setToolTip(0, QDir::toNativeSeparators(path));
    for (int column = 1; column < 4; ++column)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    m_copies->insertTopLevelItem(atTop ? 0 : m_copies->topLevelItemCount(), item);
    if (atTop)
        m_copies->setCurrentItem(item);
    return true;
}

void RestoreWindow::pickFile()
{
    const QString path = Dialogs::openFile(
        this, QStringLiteral("Restore From"), QStringLiteral("Cindrel Databases (*.mdb)"),
        QFileInfo(m_databasePath).absolutePath() + QStringLiteral("/*.mdb"));
    if (!path.isEmpty() && !path.contains(QLatin1Char('*')))
        addCopy(path, true);
}

bool RestoreWindow::restoreSelected()
{
    const QTreeWidgetItem* item = m_copies->currentItem();
    if (!item)
        return false;
    const QString copy = item->data(0, Qt::UserRole).toString();
    const QString question =
        QStringLiteral("Replace the open database \"%1\" with the copy taken %2 (%3 teams, %4 "
                       "runners, %5 meets)?\n\nThe database as it is now is kept among the "
                       "copies, and can be restored in turn.")
            .arg(QFileInfo(m_databasePath).fileName(), item->text(0), item->text(1), item->text(2),
                 item->text(3));
    if (!Dialogs::ask(this, question))
        return false;
    hide();
    if (m_restore(copy))
        return true;
    show();
    return false;
}
