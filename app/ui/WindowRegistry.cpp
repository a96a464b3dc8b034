#include "WindowRegistry.h"

void WindowRegistry::add(QWidget* window)
{
    m_windows.removeAll(QPointer<QWidget>());
    for (const auto& w : m_windows) {
        if (w == window)
            return;
    }
    m_windows.append(window);
}

bool WindowRegistry::closeAll()
{
    const auto windows = m_windows;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it && !(*it)->close())
            return false;
    }
    return true;
}

QList<QWidget*> WindowRegistry::loaded() const
{
    QList<QWidget*> result;
    for (const auto& w : m_windows) {
        if (w)
            result << w.data();
    }
    return result;
}
