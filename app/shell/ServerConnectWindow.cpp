#include "ServerConnectWindow.h"

#include "data/ServerAddress.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "units/Twips.h"

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
    const ServerAddress shown = open.value_or(ServerAddress{login, {}, {}, 5432, {}});
    m_host->setText(shown.host);
    m_port->setText(QString::number(shown.port));
    m_database->setText(shown.database);
    m_user->setText(shown.user);
    m_password->clear();
    (m_host->text().isEmpty() ? m_host : m_password)->setFocus();
}

QString ServerConnectWindow::address() const
{
    return ServerAddress{m_user->text().trimmed(), m_password->text(), m_host->text().trimmed(),
                         m_port->text().toInt(), m_database->text().trimmed()}
        .text();
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
