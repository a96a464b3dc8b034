#include "ServerRights.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/SchemaVersion.h"

namespace {

// A name as the server quotes it: roles and schemas cannot be bound as values.
QString quoted(Connection& db, const QString& name)
{
    const RecordSet rs(QStringLiteral("SELECT quote_ident(?) AS name"), {name}, db);
    return rs.field(QStringLiteral("name")).text();
}

bool yes(Connection& db, const QString& sql)
{
    const RecordSet rs(sql, db);
    return !rs.eof() && rs.field(0).toInt() != 0;
}

} // namespace

void ServerRights::grant(const QString& address, const QString& role, Right right)
{
    Connection db;
    db.openServer(address);
    SchemaVersion::checkTables(db);
    if (RecordSet(QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {role}, db).eof())
        throw DatabaseError(QStringLiteral("The server has no role \"%1\": make it first (CREATE "
                                           "ROLE ... LOGIN) and give it again.")
                                .arg(role));
    if (!owns(db))
        throw DatabaseError(QStringLiteral("Only the owner of the database \"%1\" may give rights "
                                           "on it.")
                                .arg(db.path()));
    const QString who = quoted(db, role);
    const RecordSet current(QStringLiteral("SELECT quote_ident(current_schema()) AS name"), db);
    const QString schema = current.field(QStringLiteral("name")).text();
    const QString in = QStringLiteral(" IN SCHEMA ") + schema;
    const QString tables = right == Right::Write ? QStringLiteral("SELECT, INSERT, UPDATE, DELETE")
                                                 : QStringLiteral("SELECT");
    const QString sequences =
        right == Right::Write ? QStringLiteral("USAGE, SELECT") : QStringLiteral("SELECT");
    db.transaction([&] {
        db.execute(QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(schema, who));
        db.execute(QStringLiteral("REVOKE ALL ON ALL TABLES") + in + QStringLiteral(" FROM ") +
                   who);
        db.execute(QStringLiteral("REVOKE ALL ON ALL SEQUENCES") + in + QStringLiteral(" FROM ") +
                   who);
        db.execute(QStringLiteral("GRANT %1 ON ALL TABLES%2 TO %3").arg(tables, in, who));
        db.execute(QStringLiteral("GRANT %1 ON ALL SEQUENCES%2 TO %3").arg(sequences, in, who));
        // A later version's steps remake views and add tables: they keep the same rights.
        db.execute(
            QStringLiteral("ALTER DEFAULT PRIVILEGES%1 REVOKE ALL ON TABLES FROM %2").arg(in, who));
        db.execute(QStringLiteral("ALTER DEFAULT PRIVILEGES%1 REVOKE ALL ON SEQUENCES FROM %2")
                       .arg(in, who));
        db.execute(QStringLiteral("ALTER DEFAULT PRIVILEGES%1 GRANT %2 ON TABLES TO %3")
                       .arg(in, tables, who));
        db.execute(QStringLiteral("ALTER DEFAULT PRIVILEGES%1 GRANT %2 ON SEQUENCES TO %3")
                       .arg(in, sequences, who));
    });
}

bool ServerRights::canWrite(Connection& db)
{
    return yes(db, QStringLiteral("SELECT CASE WHEN has_table_privilege('event_to_runner', "
                                  "'UPDATE') THEN 1 ELSE 0 END"));
}

bool ServerRights::owns(Connection& db)
{
    return yes(db, QStringLiteral("SELECT CASE WHEN pg_has_role(relowner, 'USAGE') THEN 1 ELSE 0 "
                                  "END FROM pg_class WHERE oid = 'event_to_runner'::regclass"));
}

bool ServerRights::parse(const QString& text, Right* right)
{
    if (text == QLatin1String("read"))
        *right = Right::Read;
    else if (text == QLatin1String("write"))
        *right = Right::Write;
    else
        return false;
    return true;
}
