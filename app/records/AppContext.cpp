#include "AppContext.h"

QString AppContext::connectionString() const
{
    return Connection::connectionStringFor(m_databasePath);
}
