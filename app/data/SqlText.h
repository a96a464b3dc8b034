#pragma once

#include <QString>

// Text placed between single quotes in SQL: every "'" becomes "''".
QString escapeSqlText(const QString& text);

// The key of a list item: "Pin" followed by the row's Pin.
QString pinKey(qint64 pin);

// The Pin back from a list key, by removing every "Pin". Zero when what is left is no number;
// no row has Pin 0.
qint64 pinFromKey(const QString& key);
