#include "data/TipStore.h"

#include "data/Database.h"
#include "data/Sql.h"

Result<std::optional<QString>> TipStore::text(int tipId) const
{
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(q, QStringLiteral("SELECT tName FROM tips WHERE tID = ?")); !s)
        return Error{s.error()};
    q.bindValue(0, tipId);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    if (!q.next())
        return std::optional<QString>();
    return std::optional<QString>(sql::text(q, "tName"));
}
