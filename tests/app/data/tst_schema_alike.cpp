// However a track database came to be, it has the same tables, columns and views: a new file,
// a file of the first version brought up to date, a new server database and a server database
// of the version servers started at, brought up to date.
#include "data/Connection.h"
#include "data/SchemaVersion.h"
#include "support/TestProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTest>

namespace {

QStringList statements(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return SchemaVersion::split(QString::fromUtf8(f.readAll()));
}

// Every table and view with its columns, a line each, in lower case and sorted; the engines'
// own tables, the server's version table and the copies an upgrade keeps in a schema of their
// own left out.
QString schemaOf(const QString& address)
{
    Connection db;
    db.open(Connection::connectionStringFor(address));
    if (SchemaVersion::of(db) != SchemaVersion::current())
        qFatal("%s is not up to date", qPrintable(address));
    QStringList lines;
    for (QSql::TableType type : {QSql::Tables, QSql::Views})
        for (const QString& name : db.database().tables(type)) {
            const QString table = name.toLower();
            if (table.startsWith(QLatin1String("sqlite_")) || table == "cindrel_schema" ||
                table.contains('.'))
                continue;
            const QSqlRecord record = db.database().record(name);
            QStringList columns;
            for (int i = 0; i < record.count(); ++i)
                columns << record.fieldName(i).toLower();
            columns.sort();
            lines << (type == QSql::Views ? "view " : "table ") + table + ": " + columns.join(", ");
        }
    lines.sort();
    db.close();
    return lines.join('\n');
}

} // namespace

class SchemaAlikeTest : public QObject
{
    Q_OBJECT

    TestProgramFolder m_folder;

private slots:
    void everyWayGivesOneSchema_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("new file") << m_folder.copyOfBlank("New.mdb");

        // The first version's file, as the first program made it, opened by this one.
        const QString first = m_folder.file("db/First.mdb");
        QProcess sqlite;
        sqlite.start("sqlite3", {"-bail", first, ".read " CINDREL_TEMPLATES "/Blank.sql"});
        if (!sqlite.waitForFinished() || sqlite.exitCode() != 0)
            qFatal("cannot make the first file: %s", sqlite.readAllStandardError().constData());
        QTest::newRow("upgraded file") << first;

        QTest::newRow("new server database") << TestProgramFolder::serverTrackDatabase();

        const QString older = TestProgramFolder::emptyServerDatabase();
        Connection server;
        server.openServer(older);
        server.transaction([&] {
            for (const QString& sql : statements(CINDREL_TEMPLATES "/server/Cindrel.sql"))
                server.execute(sql);
        });
        server.close();
        QTest::newRow("upgraded server database") << older;
    }
    void everyWayGivesOneSchema()
    {
        QFETCH(QString, address);
        static const QString made = schemaOf(m_folder.copyOfBlank("Reference.mdb"));
        QVERIFY(made.contains("view events_view: "));
        QCOMPARE(schemaOf(address), made);
    }
};

QTEST_MAIN(SchemaAlikeTest)
#include "tst_schema_alike.moc"
