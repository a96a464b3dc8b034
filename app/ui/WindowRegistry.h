#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The program's loaded windows, in the order they were loaded, so that closing the main
// window can close the others newest first.
class WindowRegistry
{
public:
    void add(QWidget* window);
    // Closes every registered window that still exists, the most recently loaded first;
    // false when one of them refused (an editor whose changes the user kept).
    bool closeAll();
    QList<QWidget*> loaded() const;

private:
    QList<QPointer<QWidget>> m_windows;
};
