#include "HelpMenu.h"

#include "editors/ProgramWindows.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "ui/WindowRegistry.h"

#include <QMenuBar>

HelpMenu::HelpMenu(QMenuBar* bar, QWidget* owner, WindowRegistry& registry)
    : QObject(owner), m_owner(owner), m_registry(registry)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &HelpMenu::showContents);
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &HelpMenu::showAbout);
}

HelpMenu::~HelpMenu()
{
    // The About window has no parent to take it along; the help window is the owner's child.
    delete m_about.data();
}

void HelpMenu::showContents()
{
    // Owned by the main window, and made once.
    if (!m_help) {
        m_help = new HelpWindow(m_owner);
        m_registry.add(m_help);
    }
    m_help->showContents();
}

void HelpMenu::showAbout()
{
    if (!m_about) {
        m_about = new AboutWindow;
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        m_registry.add(m_about);
    }
    ProgramWindows::present(m_about);
}

HelpWindow* HelpMenu::helpWindow() const
{
    return m_help;
}

AboutWindow* HelpMenu::aboutWindow() const
{
    return m_about;
}
