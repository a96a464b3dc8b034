#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

// restoreDatabase: File › Restore... The copies kept of the open database, newest first, each
// with the time it was taken and how many teams, runners and meets it holds; another copy (one
// Back Up wrote) can be picked as a file. The chosen one replaces the open database after a
// yes.
class RestoreWindow : public QWidget
{
    Q_OBJECT
public:
    // `restore` puts the copy in place; false when it did not (and said why).
    RestoreWindow(QWidget* parent, std::function<bool(const QString& copy)> restore);

    // Lists the copies kept of the database at `databasePath`.
    void build(const QString& databasePath);
    // Asks, then restores the selected copy; false when the database stayed as it was.
    bool restoreSelected();

    QTreeWidget* copies() const { return m_copies; }

private:
    // Adds a copy to the list, selected; false, after saying why, when it is no database.
    bool addCopy(const QString& path, bool atTop);
    void pickFile();

    std::function<bool(const QString&)> m_restore;
    QString m_databasePath;
    QLabel* m_label;
    QTreeWidget* m_copies;
    QPushButton* m_restoreButton;
};
