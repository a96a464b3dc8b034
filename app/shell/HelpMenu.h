#pragma once

#include <QObject>
#include <QPointer>

class AboutWindow;
class HelpWindow;
class QMenuBar;
class QWidget;
class WindowRegistry;

// The Help menu: "Contents" (F1) opens the help beside the main window, "About" the About
// window. Each window is made once and shown again when asked for.
class HelpMenu : public QObject
{
    Q_OBJECT
public:
    HelpMenu(QMenuBar* bar, QWidget* owner, WindowRegistry& registry);
    ~HelpMenu() override;

    void showContents();
    void showAbout();
    HelpWindow* helpWindow() const;
    AboutWindow* aboutWindow() const;

private:
    QWidget* m_owner;
    WindowRegistry& m_registry;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
};
