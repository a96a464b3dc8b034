#pragma once

#include <QStatusBar>

class Connection;
class QLabel;
class QTimer;

// The main window's status bar: a wide panel with the user's name and school, the database
// that is open (a file's name, or a server database's address), then today's date and the
// time, kept current.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void showDatabase(const Connection& db);
    QString databaseText() const;

private:
    void updateClock();

    QLabel* m_text;
    QLabel* m_database;
    QLabel* m_date;
    QLabel* m_time;
    QTimer* m_clock;
};
