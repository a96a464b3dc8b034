#pragma once

#include <QWidget>
#include <functional>

#include "data/ServerAddress.h"

class QCheckBox;
class QLineEdit;

// connectServer: File › Connect to Server... The address of a staff's database on a
// PostgreSQL server, part by part: host, port, database, user and password, and whether the
// connection must be encrypted (serverEncrypted). The password is
// used for this connection only and never written to the settings; a coach who does not want
// to type it each time keeps it in ~/.pgpass, as PostgreSQL's own tools do.
class ServerConnectWindow : public QWidget
{
    Q_OBJECT
public:
    // `connectTo` opens the database at an address; false when it could not (and said why).
    ServerConnectWindow(QWidget* parent, std::function<bool(const QString& address)> connectTo);

    // Fills the boxes from the address of the database open now, when it is on a server.
    void build(const QString& openAddress);
    // The address the boxes make, with the password.
    QString address() const;
    bool connectToServer();

private:
    std::function<bool(const QString&)> m_connectTo;
    QLineEdit* m_host;
    QLineEdit* m_port;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QCheckBox* m_encrypted;
    // The address the window was built with: its encryption settings that have no box.
    ServerAddress m_kept;
};
