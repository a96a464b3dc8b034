#include "ServerAddress.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

QString decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString& part)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part));
}

} // namespace

bool ServerAddress::isServerAddress(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

std::optional<ServerAddress> ServerAddress::parse(const QString& text)
{
    if (!isServerAddress(text))
        return std::nullopt;
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    ServerAddress address;
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    QString authority = slash < 0 ? rest : rest.left(slash);
    address.database = slash < 0 ? QString() : decoded(rest.mid(slash + 1));
    if (const qsizetype at = authority.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        address.user = decoded(colon < 0 ? userInfo : userInfo.left(colon));
        if (colon >= 0)
            address.password = decoded(userInfo.mid(colon + 1));
    }
    if (const qsizetype colon = authority.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        bool ok = false;
        address.port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || address.port <= 0 || address.port > 65535)
            return std::nullopt;
        authority.truncate(colon);
    }
    address.host = decoded(authority);
    // libpq's own parameters, for the few that an address may carry this way.
    const QUrlQuery parameters(query);
    if (parameters.hasQueryItem(QStringLiteral("host")))
        address.host = parameters.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (parameters.hasQueryItem(QStringLiteral("user")))
        address.user = parameters.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    address.sslMode = parameters.queryItemValue(QStringLiteral("sslmode"), QUrl::FullyDecoded);
    address.sslRootCert =
        parameters.queryItemValue(QStringLiteral("sslrootcert"), QUrl::FullyDecoded);
    if (!address.sslMode.isEmpty() &&
        !QStringList{QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                     QStringLiteral("require"), QStringLiteral("verify-ca"),
                     QStringLiteral("verify-full")}
             .contains(address.sslMode))
        return std::nullopt;
    if (address.host.isEmpty())
        address.host = QStringLiteral("localhost");
    if (address.database.isEmpty() || address.database.contains(QLatin1Char('/')))
        return std::nullopt;
    return address;
}

QString ServerAddress::display() const
{
    ServerAddress shown = *this;
    shown.password.clear();
    return shown.text();
}

QString ServerAddress::text() const
{
    QString address = QStringLiteral("postgresql://");
    if (!user.isEmpty() || !password.isEmpty()) {
        address += encoded(user);
        if (!password.isEmpty())
            address += QLatin1Char(':') + encoded(password);
        address += QLatin1Char('@');
    }
    address += encoded(host);
    if (port != 5432)
        address += QLatin1Char(':') + QString::number(port);
    address += QLatin1Char('/') + encoded(database);
    QStringList parameters;
    if (!sslMode.isEmpty())
        parameters << QStringLiteral("sslmode=") + encoded(sslMode);
    if (!sslRootCert.isEmpty())
        parameters << QStringLiteral("sslrootcert=") + encoded(sslRootCert);
    return parameters.isEmpty() ? address
                                : address + QLatin1Char('?') + parameters.join(QLatin1Char('&'));
}

bool ServerAddress::encrypted() const
{
    return sslMode == QLatin1String("require") || sslMode == QLatin1String("verify-ca") ||
           sslMode == QLatin1String("verify-full");
}
