#include "screens/market/RememberedResources.h"

#include "core/session/SQLITE.h"
#include "core/session/SqlText.h"
#include "core/util/MTool.h"
#include "core/util/Value.h"

const QStringList &RememberedResources::keptKeys()
{
    // A fixed set of columns: the table is created from its first row, and a later row with a
    // member that row lacked could not be stored at all.
    static const QStringList keys{QStringLiteral("resourceId"), QStringLiteral("nsortName"),
                                  QStringLiteral("spec"),       QStringLiteral("price"),
                                  QStringLiteral("currentState"), QStringLiteral("Tel"),
                                  QStringLiteral("YieldlyTel")};
    return keys;
}

bool RememberedResources::remember(const QString &userId, const QVariantMap &row)
{
    const QString resourceId = Value::text(row.value(QStringLiteral("resourceId")));
    if (userId.isEmpty() || Value::isNone(row.value(QStringLiteral("resourceId"))))
        return false;
    QVariantMap kept;
    for (const QString &key : keptKeys())
        kept.insert(key, Value::isNone(row.value(key)) ? QString() : Value::text(row.value(key)));
    kept.insert(QStringLiteral("resourceId"), resourceId);
    kept.insert(QStringLiteral("date"), MTool::systemDate());
    return SQLITE::standardSqlite()->setSQLObject(kept, tableName(userId), QStringLiteral("resourceId"));
}

QVariantList RememberedResources::all(const QString &userId)
{
    if (userId.isEmpty())
        return {};
    const QString table = tableName(userId);
    return SQLITE::standardSqlite()->selectDataWithSQL(
        QStringLiteral("select * from ") + SqlText::identifier(table) + QStringLiteral(" order by cast(date as integer) desc"),
        table);
}

bool RememberedResources::forget(const QString &userId, const QString &resourceId)
{
    if (userId.isEmpty())
        return false;
    return SQLITE::standardSqlite()->removeSQL(tableName(userId), QStringLiteral("resourceId"), resourceId);
}
