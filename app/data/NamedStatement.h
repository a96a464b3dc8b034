#pragma once

#include "data/SqlDialect.h"

#include <QVariantList>

class Connection;

// A statement of SqlDialect's that carries what the coach typed. A server gets its values
// bound. A file gets the text it has always been sent, the values written into it: text
// doubled "'" between the quotes the statement has, numbers as they are, nothing as NULL.
class NamedStatement
{
public:
    static void execute(Connection& db, SqlDialect::Statement statement,
                        const QVariantList& values);
    // The file's text with `values` in its "%1" ... in one pass: a value holding "%2" stays.
    static QString filled(const QString& text, const QVariantList& values);
};
