#include "ServerConnectWindow.h"

#include "data/ServerAddress.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "units/Twips.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ServerConnectWindow::ServerConnectWindow(QWidget* parent,
                                         std::function<bool(const QString&)> connectTo)
    : QWidget(parent, Qt::Window), m_connectTo(std::move(connectTo))
{
    setObjectName(QStringLiteral("connectServer"));
    setWindowTitle(QStringLiteral("Connect to Server"));
    setFixedSize(Twips::size(5520, 3480));
    auto row = [this](const QString& name, const QString& caption, int top) {
        QLineEdit* box = Controls::textBox(this, name, caption, 1560, top, 3720, 315);
        Controls::label(this, name + QStringLiteral("Label"), caption + QLatin1Char(':'), 240,
                        top + 30, 1260, 255)
            ->setBuddy(box);
        return box;
    };
    m_host = row(QStringLiteral("serverHost"), QStringLiteral("Host"), 240);
    m_port = row(QStringLiteral("serverPort"), QStringLiteral("Port"), 660);
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    m_database = row(QStringLiteral("serverDatabase"), QStringLiteral("Database"), 1080);
    m_user = row(QStringLiteral("serverUser"), QStringLiteral("User"), 1500);
    m_password = row(QStringLiteral("serverPassword"), QStringLiteral("Password"), 1920);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(QStringLiteral("from ~/.pgpass when empty"));
    m_encrypted = new QCheckBox(QStringLiteral("Require an &encrypted connection"), this);
    m_encrypted->setObjectName(QStringLiteral("serverEncrypted"));
    m_encrypted->setGeometry(Twips::rect(1560, 2340, 3720, 315));
    auto* connectButton = Controls::button(this, QStringLiteral("connectButton"),
                                           QStringLiteral("&Connect"), 3600, 2760, 1680, 375);
    connectButton->setDefault(true);
    connect(connectButton, &QPushButton::clicked, this, &ServerConnectWindow::connectToServer);
    for (QLineEdit* box : {m_host, m_port, m_database, m_user, m_password})
        connect(box, &QLineEdit::returnPressed, this, &ServerConnectWindow::connectToServer);
}

void ServerConnectWindow::build(const QString& openAddress)
{
    const std::optional<ServerAddress> open = ServerAddress::parse(openAddress);
    // PostgreSQL's own tools take the login name for the user when none is given.
    const QString login = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    ServerAddress fresh;
    fresh.user = login;
    const ServerAddress shown = open.value_or(fresh);
    m_host->setText(shown.host);
    m_port->setText(QString::number(shown.port));
    m_database->setText(shown.database);
    m_user->setText(shown.user);
    m_password->clear();
    m_encrypted->setChecked(shown.encrypted());
    m_kept = shown;
    (m_host->text().isEmpty() ? m_host : m_password)->setFocus();
}

QString ServerConnectWindow::address() const
{
    ServerAddress address;
    address.user = m_user->text().trimmed();
    address.password = m_password->text();
    address.host = m_host->text().trimmed();
    address.port = m_port->text().toInt();
    address.database = m_database->text().trimmed();
    // The open address's own certificate check stays, when the box still asks for encryption.
    address.sslRootCert = m_kept.sslRootCert;
    if (m_encrypted->isChecked())
        address.sslMode = m_kept.encrypted() ? m_kept.sslMode : QStringLiteral("require");
    else if (!m_kept.encrypted())
        address.sslMode = m_kept.sslMode;
    return address.text();
}

bool ServerConnectWindow::connectToServer()
{
    for (QLineEdit* box : {m_host, m_port, m_database, m_user})
        if (box->text().trimmed().isEmpty()) {
            Dialogs::tell(this,
                          QStringLiteral("Fill in the %1.").arg(box->accessibleName().toLower()),
                          Dialogs::Icon::Warning);
            box->setFocus();
            return false;
        }
    if (!m_connectTo(address()))
        return false;
    m_password->clear();
    hide();
    return true;
}
