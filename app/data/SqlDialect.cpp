#include "SqlDialect.h"

QString SqlDialect::beginWrite(Engine engine)
{
    return engine == Engine::File ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

QString SqlDialect::tableNames(Engine engine)
{
    return engine == Engine::File
               ? QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view')")
               : QStringLiteral("SELECT table_name AS name FROM information_schema.tables "
                                "WHERE table_schema = current_schema()");
}

QString SqlDialect::readVersion(Engine engine)
{
    return engine == Engine::File
               ? QStringLiteral("PRAGMA user_version")
               : QStringLiteral("SELECT max(Version) AS user_version FROM Cindrel_Schema");
}

QString SqlDialect::writeVersion(Engine engine, int version)
{
    return engine == Engine::File
               ? QStringLiteral("PRAGMA user_version = %1").arg(version)
               : QStringLiteral("UPDATE Cindrel_Schema SET Version = %1").arg(version);
}

QString SqlDialect::returningKey(Engine engine)
{
    return engine == Engine::File ? QString() : QStringLiteral(" RETURNING Pin");
}

QString SqlDialect::storedOrder(Engine engine, const QString& key)
{
    return engine == Engine::File ? QString() : QStringLiteral(" ORDER BY ") + key;
}

QString SqlDialect::isIsoDate(Engine engine, const QString& column)
{
    return column + (engine == Engine::File ? QStringLiteral(" GLOB '[0-9][0-9][0-9][0-9]-*'")
                                            : QStringLiteral(" ~ '^[0-9]{4}-'"));
}

QString SqlDialect::tiesInStoredOrder(Engine engine, const QString& key)
{
    return engine == Engine::File ? QString() : QStringLiteral(", ") + key;
}
