#pragma once

#include "data/Connection.h"

#include <QStatusBar>

class QLabel;
class QTimer;

// The main window's status bar: a wide panel with the user's name and school, the database
// that is open (a file's name, or a server database's address, and whether the server can be
// reached), then today's date and the time, kept current. While the program waits to connect
// to the server again, the cursor shows it is busy.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);
    ~MainStatusBar() override;

    QString text() const;
    void setText(const QString& text);
    // Shows the database, and follows its server's link from now on; the connection must
    // outlive the status bar.
    void showDatabase(Connection& db);
    QString databaseText() const;

private:
    void updateClock();
    void showLink(Connection::Link link);

    QLabel* m_text;
    QLabel* m_database;
    QLabel* m_date;
    QLabel* m_time;
    QTimer* m_clock;
    Connection* m_watched = nullptr;
    bool m_busy = false;
};
