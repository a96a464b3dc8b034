#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class Connection;

// One statement for many rows, each row's values bound: a server is spared a round trip a
// row. The statement is `head`, the rows' placeholders `row` joined by commas, then `tail`;
// rows go a few hundred a statement, never more values than one may carry.
class RowsStatement
{
public:
    static void run(Connection& db, const QString& head, const QString& row,
                    const QList<QVariantList>& rows, const QString& tail = {});
};
