// The table store with a table name, a column name and values from a peer (NUL-separated in
// the input) through every operation that takes them. Nothing may crash, and a row the store
// says it stored is found by its key and value, and is gone once removed.
#include "FuzzSupport.h"
#include "core/session/SQLITE.h"

static bool holds(SQLITE &store, const QString &table, const QString &key, const QString &value)
{
    for (const QVariant &row : store.selectSQLFromtable(table, key, value, 10, 0, 1)) {
        const QVariantMap map = row.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            if (it.key().compare(key, Qt::CaseInsensitive) == 0 && it.value().toString() == value)
                return true;   // column names compare as SQLite compares them
        }
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzContext fuzz;
    static std::unique_ptr<SQLITE> store;
    static int inputs = 0;
    if (inputs++ % 200 == 0)   // every new table slows the statements after it: start afresh often
        store = std::make_unique<SQLITE>(QStringLiteral(":memory:"));
    QStringList parts = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QChar(0));
    parts.resize(4);
    const QString &table = parts[0], &key = parts[1], &value = parts[2], &other = parts[3];
    // What a lookup promises to find: "''" in a looked-up value reads as one apostrophe, keys
    // under two characters select every row, and a table named after a missing id gives nothing.
    const bool findable = !table.contains(QLatin1String("null")) && key.size() >= 2 && !value.isEmpty()
                          && !value.contains(QLatin1String("''"));
    if (store->addSQLObject({{key, value}, {QStringLiteral("unread"), other}}, table) && findable
        && !holds(*store, table, key, value))
        std::abort();   // stored, yet not found by its own key and value
    store->setSQLObject({{key, other}, {QStringLiteral("unread"), value}}, table, key);
    (void)store->sumWithKey(QStringLiteral("unread"), table, key, value);
    (void)store->sumWithKey(key, table, QString(), QVariant());
    (void)store->colKeyFromtable(table);
    (void)store->counttable(table);
    if (store->removeSQL(table, key, value) && findable && holds(*store, table, key, value))
        std::abort();   // removed, yet still there
    return 0;
}
