#include "core/session/SQLITE.h"

#include "core/platform/AppContext.h"
#include "core/session/SqlText.h"
#include "core/util/Value.h"
#include "core/platform/Logging.h"

#include <QFile>
#include <QtDebug>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

const QString kDatabaseName = QStringLiteral("Steelv1.0.sqlite3");
const QString kClassNum = QStringLiteral("classNum");
// Sums are kept only while every step is an exact integer a double can also hold exactly, so
// that the kept figure always equals what the database would add up itself.
constexpr double kExactLimit = 9007199254740992.0;  // 2^53

QString textColumn(sqlite3_stmt *stmt, int column)
{
    const auto *bytes = static_cast<const char *>(static_cast<const void *>(sqlite3_column_text(stmt, column)));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column));
}

// SQLite matches table and column names without regard to ASCII case (and only ASCII), so the
// caches must too, or a write through "T" would miss the figures kept for "t".
QString foldedName(const QString &name)
{
    QString folded = name;
    for (QChar &c : folded)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return folded;
}

bool hasValue(const QVariant &v)
{
    return !Value::isNone(v) && !Value::text(v).isEmpty();
}

} // namespace

SQLITE::SQLITE(AppContext &context) : SQLITE(context.documentsDir() + QLatin1Char('/') + kDatabaseName)
{
}

SQLITE::SQLITE(const QString &path) : m_path(path)
{
    open();
}

SQLITE::~SQLITE()
{
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
}

SQLITE *SQLITE::standardSqlite()
{
    return AppContext::current()->service<SQLITE>();
}

void SQLITE::open()
{
    const QByteArray file = QFile::encodeName(m_path);
    const int rc = sqlite3_open_v2(file.constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        qCWarning(lcStore, "errorMsg == %s", m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return;
    }
    // Chat history is private: the file (and the WAL files SQLite derives from it) owner-only.
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    // Quoted names must stay names: with double-quoted strings allowed, a quoted column the
    // table lacks would silently become a text constant ("where "x"='x'" matching every row).
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    m_statements.setDatabase(m_db);
    exec(QStringLiteral("PRAGMA journal_mode=WAL"), {}, [](sqlite3_stmt *) {});
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    // Every conversation is a table of its own: with thousands of them the default 2 MB page
    // cache keeps rereading the same table roots from the file.
    exec(QStringLiteral("PRAGMA cache_size=-8000"));
}

bool SQLITE::exec(const QString &sql, const QVariantList &binds, const RowHandler &onRow, Report report)
{
    if (m_logging) {
        QStringList values;
        values.reserve(binds.size());
        for (const QVariant &b : binds)
            values << b.toString();
        m_log.append(Statement{sql, values});
    }
    QByteArray error;
    sqlite3_stmt *stmt = m_statements.statement(sql, &error);
    int rc = SQLITE_ERROR;
    if (stmt) {
        for (int i = 0; i < binds.size(); ++i) {
            const QVariant &b = binds.at(i);
            if (b.typeId() == QMetaType::LongLong) {
                sqlite3_bind_int64(stmt, i + 1, b.toLongLong());
            } else {
                const QByteArray utf8 = b.toString().toUtf8();
                sqlite3_bind_text64(stmt, i + 1, utf8.constData(), sqlite3_uint64(utf8.size()),
                                    SQLITE_TRANSIENT, SQLITE_UTF8);
            }
        }
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (onRow)
                onRow(stmt);
        }
        if (rc != SQLITE_DONE)
            error = sqlite3_errmsg(m_db);
        // Reset at once: a statement left mid-way would keep its read transaction open.
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
    if (rc == SQLITE_DONE)
        return true;
    switch (report) {
    case Report::Silent:
        break;
    case Report::Insert:
    case Report::General:
        qCWarning(lcStore, "errorMsg == %s", error.constData());
        break;
    case Report::Update:
        qCWarning(lcStore, "errorMsg = %s", error.constData());
        break;
    }
    return false;
}

bool SQLITE::validNames(const QString &table, const QStringList &columns, const char *operation)
{
    bool ok = !table.isEmpty() && SqlText::isUsableName(table);
    for (const QString &c : columns) {
        ok = ok && SqlText::isUsableName(c);
        // A message member named like the row id, in a table without such a column, would write
        // or select row ids instead of values: an insert could collide with another row and be
        // lost, a delete could hit any row. Creating the table declares the column, so it is safe.
        if (ok && SqlText::isRowIdAlias(c) && std::strcmp(operation, "create") != 0)
            ok = colKeyFromtable(table).contains(c, Qt::CaseInsensitive);
    }
    if (!ok)
        qCWarning(lcStore, "errorMsg == %s: unusable table or column name", operation);
    return ok;
}

bool SQLITE::createTable(const QString &table, const QStringList &keys)
{
    if (keys.isEmpty() || !validNames(table, keys, "create"))
        return false;
    QString sql = QStringLiteral("create table if not exists ") + SqlText::identifier(table)
                  + QStringLiteral(" (id integer primary key autoincrement,");
    for (const QString &key : keys)
        sql += QLatin1Char(' ') + SqlText::identifier(key)
               + (key == kClassNum ? QStringLiteral(" int,") : QStringLiteral(" text,"));
    sql.chop(1);
    sql += QLatin1Char(')');
    m_columns.remove(foldedName(table));
    return exec(sql);
}

bool SQLITE::insertIntotable(const QString &table, const QVariantMap &dictionary)
{
    const QStringList keys = dictionary.keys();
    if (keys.isEmpty() || !validNames(table, keys, "insert"))
        return false;
    QVariantList binds;
    binds.reserve(keys.size());
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it)
        binds << SqlText::literalValue(it.value());
    const QString sql = QStringLiteral("insert into ") + SqlText::identifier(table) + QLatin1Char('(')
                        + SqlText::identifierList(keys) + QStringLiteral(") values(")
                        + SqlText::placeholders(keys.size()) + QLatin1Char(')');
    if (!exec(sql, binds, {}, Report::Insert))
        return false;
    if (m_sums.contains(foldedName(table)))
        moveSums(table, {}, partials(table, QStringLiteral("\"id\"=?1"), {qint64(sqlite3_last_insert_rowid(m_db))}));
    return true;
}

bool SQLITE::addSQLObject(const QVariantMap &object, const QString &key)
{
    if (tableExists(key))
        return insertIntotable(key, object);
    // The new table and its first row go together: a row that cannot be stored leaves no table
    // shaped after it behind.
    return transaction([&] { return createTable(key, object.keys()) && insertIntotable(key, object); });
}

bool SQLITE::setSQLObject(const QVariantMap &object, const QString &table, const QString &key)
{
    if (object.isEmpty() || key.isEmpty() || !validNames(table, object.keys() << key, "update"))
        return false;
    if (!tableExists(table)) {
        if (!addSQLObject(object, table))
            return false;
        ensureIndex(table, key);
        return true;
    }
    ensureIndex(table, key);
    // One statement either way (an update, or an insert when it matched nothing), so each
    // outcome is atomic on its own and the kept sums move only once it has succeeded.
    QString sql = QStringLiteral("update ") + SqlText::identifier(table) + QStringLiteral(" set ");
    QVariantList binds;
    binds.reserve(object.size() + 1);
    for (auto it = object.cbegin(); it != object.cend(); ++it) {
        if (!binds.isEmpty())
            sql += QLatin1Char(',');
        binds << SqlText::literalValue(it.value());
        sql += SqlText::identifier(it.key()) + QStringLiteral("=?") + QString::number(binds.size());
    }
    binds << SqlText::literalValue(object.value(key));
    // The sums' queries share these bindings; their where clause uses only the last one.
    const QString where = SqlText::identifier(key) + QStringLiteral("=?") + QString::number(binds.size());
    const bool tracked = m_sums.contains(foldedName(table));
    const Partials before = tracked ? partials(table, where, binds) : Partials();
    if (!exec(sql + QStringLiteral(" where ") + where, binds, {}, Report::Update))
        return false;
    if (sqlite3_changes(m_db) == 0)
        return insertIntotable(table, object);
    if (tracked)
        moveSums(table, before, partials(table, where, binds));
    return true;
}

QVariantList SQLITE::selectSQLFromtable(const QString &table, const QString &elementKey,
                                        const QVariant &elementValue, qint64 limit, qint64 offset,
                                        qint64 order)
{
    if (table.contains(QLatin1String("null")) || !validNames(table, {elementKey}, "select"))
        return {};
    const QString from = QStringLiteral("select * from ") + SqlText::identifier(table);
    const QString direction = order == 1 ? QStringLiteral(" desc") : QStringLiteral(" asc");
    const QString key = SqlText::identifier(elementKey);
    const bool valueGiven = hasValue(elementValue);
    if (limit < 1) {
        if (elementKey.isEmpty())
            return readRows(from, {}, table);
        if (valueGiven)
            return readRows(from + QStringLiteral(" where ") + key + QStringLiteral("=?1 order by \"id\"")
                                + direction,
                            {SqlText::literalValue(elementValue)}, table);
        return readRows(from + QStringLiteral(" order by ") + key + direction, {}, table);
    }
    if (elementKey.size() < 2)
        return readRows(from, {}, table);
    if (!valueGiven)
        return readRows(from + QStringLiteral(" order by ") + key + direction
                            + QStringLiteral(" limit ?1 offset ?2"),
                        {limit, offset}, table);
    return readRows(from + QStringLiteral(" where ") + key + QStringLiteral("=?1 order by ") + key
                        + direction + QStringLiteral(" limit ?2 offset ?3"),
                    {SqlText::literalValue(elementValue), limit, offset}, table);
}

QVariantList SQLITE::selectDataWithSQL(const QString &sql, const QString &table)
{
    QVariantList rows = readRows(sql, {}, table);
    // A caller's text may have written or altered anything: trust no cached figure after it.
    QByteArray ignored;
    if (sqlite3_stmt *stmt = m_statements.statement(sql, &ignored); stmt && !sqlite3_stmt_readonly(stmt))
        forgetCaches();
    return rows;
}

QVariantList SQLITE::selectRows(const QString &table, const QString &condition, const QVariantList &binds,
                                const QString &orderBy, qint64 limit)
{
    if (table.contains(QLatin1String("null")) || !validNames(table, {}, "select"))
        return {};
    QString sql = QStringLiteral("select * from ") + SqlText::identifier(table);
    if (!condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" order by ") + orderBy;
    QVariantList all = binds;
    if (limit >= 1) {
        all << limit;
        sql += QStringLiteral(" limit ?") + QString::number(all.size());
    }
    return readRows(sql, all, table);
}

QVariantList SQLITE::readRows(const QString &sql, const QVariantList &binds, const QString &table)
{
    const QStringList columns = colKeyFromtable(table);
    QVariantList rows;
    const bool ok = exec(sql, binds, [&](sqlite3_stmt *stmt) {
        QVariantMap row;
        const int n = std::min<int>(sqlite3_column_count(stmt), int(columns.size()));
        for (int i = 0; i < n; ++i) {
            // A column the row never had (NULL) is left out rather than read as "".
            if (sqlite3_column_type(stmt, i) != SQLITE_NULL)
                row.insert(columns.at(i), textColumn(stmt, i));
        }
        rows.append(row);
    }, Report::Silent);
    return ok ? rows : QVariantList();
}

QStringList SQLITE::colKeyFromtable(const QString &table)
{
    const QString folded = foldedName(table);
    if (auto it = m_columns.constFind(folded); it != m_columns.cend())
        return *it;
    QStringList names;
    exec(QStringLiteral("select name from pragma_table_info(?1)"), {table},
         [&](sqlite3_stmt *stmt) { names << textColumn(stmt, 0); }, Report::Silent);
    if (!names.isEmpty())
        m_columns.insert(folded, names);
    return names;
}

bool SQLITE::tableExists(const QString &table)
{
    return !colKeyFromtable(table).isEmpty();
}

void SQLITE::ensureIndex(const QString &table, const QString &key)
{
    // Update-or-insert looks rows up by its key column on every message; without an index that
    // lookup scans every conversation. An index changes no table or column of the file.
    const QString id = foldedName(table) + QChar(u'\0') + foldedName(key);
    if (m_indexed.contains(id))
        return;
    m_indexed.insert(id);
    exec(QStringLiteral("create index if not exists ")
             + SqlText::identifier(QStringLiteral("velmora_index_") + table + QLatin1Char('_') + key)
             + QStringLiteral(" on ") + SqlText::identifier(table) + QLatin1Char('(')
             + SqlText::identifier(key) + QLatin1Char(')'),
         {}, {}, Report::Silent);
}

bool SQLITE::removeSQL(const QString &table, const QString &key, const QVariant &value)
{
    if (key.isEmpty() || Value::isNone(value) || !validNames(table, {key}, "delete"))
        return false;
    // A table never created (a user who stored nothing of that kind yet) holds nothing to remove.
    if (!tableExists(table))
        return false;
    const QString where = SqlText::identifier(key) + QStringLiteral(" = ?1");
    const QVariantList binds{SqlText::literalValue(value)};
    const bool tracked = m_sums.contains(foldedName(table));
    const Partials before = tracked ? partials(table, where, binds) : Partials();
    if (!exec(QStringLiteral("delete from ") + SqlText::identifier(table) + QStringLiteral(" where ") + where, binds))
        return false;
    if (tracked)
        moveSums(table, before, {});
    return true;
}

bool SQLITE::deleteSQLTable(const QString &table)
{
    if (!validNames(table, {}, "delete"))
        return false;
    if (!exec(QStringLiteral("delete from ") + SqlText::identifier(table)))
        return false;
    if (auto it = m_sums.find(foldedName(table)); it != m_sums.end())
        for (qint64 &sum : *it)
            sum = 0;
    return true;
}

qint64 SQLITE::counttable(const QString &table)
{
    if (!validNames(table, {}, "count"))
        return 0;
    qint64 count = 0;
    exec(QStringLiteral("select count(id) from ") + SqlText::identifier(table), {},
         [&](sqlite3_stmt *stmt) { count = sqlite3_column_int64(stmt, 0); }, Report::Silent);
    return count;
}

QString SQLITE::sumWithKey(const QString &key, const QString &form, const QString &whereKey,
                           const QVariant &whereValue)
{
    if (!validNames(form, {key, whereKey}, "sum"))
        return QStringLiteral("0");
    QString sql = QStringLiteral("select sum(") + SqlText::identifier(key) + QStringLiteral(") as OrderTotal from ")
                  + SqlText::identifier(form);
    if (whereKey.isNull()) {
        if (auto t = m_sums.constFind(foldedName(form)); t != m_sums.cend())
            if (auto s = t->constFind(foldedName(key)); s != t->cend())
                return QString::number(*s);
        if (const auto exact = partialSum(sql, {})) {
            m_sums[foldedName(form)].insert(foldedName(key), *exact);
            return QString::number(*exact);
        }
        qint64 total = 0;
        exec(sql, {}, [&](sqlite3_stmt *stmt) { total = sqlite3_column_int64(stmt, 0); }, Report::Silent);
        return QString::number(total);
    }
    sql += QStringLiteral(" where ") + SqlText::identifier(whereKey) + QStringLiteral("=?1");
    qint64 total = 0;
    exec(sql, {SqlText::literalValue(whereValue)},
         [&](sqlite3_stmt *stmt) { total = sqlite3_column_int64(stmt, 0); }, Report::Silent);
    return QString::number(total);
}

std::optional<qint64> SQLITE::partialSum(const QString &sql, const QVariantList &binds)
{
    std::optional<qint64> result;
    const bool ok = exec(sql, binds, [&](sqlite3_stmt *stmt) {
        switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_NULL:
            result = 0;
            break;
        case SQLITE_INTEGER:
            if (const qint64 v = sqlite3_column_int64(stmt, 0); double(v) < kExactLimit && double(v) > -kExactLimit)
                result = v;
            break;
        case SQLITE_FLOAT:
            if (const double d = sqlite3_column_double(stmt, 0); std::trunc(d) == d && std::fabs(d) < kExactLimit)
                result = qint64(d);
            break;
        default:
            break;
        }
    }, Report::Silent);
    return ok ? result : std::nullopt;
}

SQLITE::Partials SQLITE::partials(const QString &table, const QString &where, const QVariantList &binds)
{
    Partials out;
    const auto t = m_sums.constFind(foldedName(table));
    if (t == m_sums.cend())
        return out;
    const QString from = QStringLiteral(") from ") + SqlText::identifier(table) + QStringLiteral(" where ") + where;
    for (auto s = t->cbegin(); s != t->cend(); ++s)
        out.insert(s.key(), partialSum(QStringLiteral("select sum(") + SqlText::identifier(s.key()) + from, binds));
    return out;
}

void SQLITE::moveSums(const QString &table, const Partials &minus, const Partials &plus)
{
    auto t = m_sums.find(foldedName(table));
    if (t == m_sums.end())
        return;
    for (auto s = t->begin(); s != t->end();) {
        // A column missing from a side moved by nothing on that side.
        const std::optional<qint64> m = minus.value(s.key(), qint64(0));
        const std::optional<qint64> p = plus.value(s.key(), qint64(0));
        const qint64 next = m && p ? s.value() - *m + *p : 0;
        if (!m || !p || std::fabs(double(next)) >= kExactLimit) {
            s = t->erase(s);
        } else {
            s.value() = next;
            ++s;
        }
    }
    if (t->isEmpty())
        m_sums.erase(t);
}

bool SQLITE::transaction(const std::function<bool()> &work)
{
    if (!m_db)
        return false;
    // Savepoints nest, and the outermost one is a transaction of its own.
    const QString name = SqlText::identifier(QStringLiteral("velmora_") + QString::number(m_depth));
    if (!exec(QStringLiteral("savepoint ") + name))
        return false;
    // The kept sums as of the savepoint (a cheap shared copy), to be restored with it.
    const auto sums = m_sums;
    ++m_depth;
    bool ok = work();
    --m_depth;
    if (ok && exec(QStringLiteral("release ") + name))
        return true;
    exec(QStringLiteral("rollback to ") + name);
    exec(QStringLiteral("release ") + name);
    // Tables and indexes made inside are gone again: look them up afresh.
    m_columns.clear();
    m_indexed.clear();
    m_sums = sums;
    return false;
}

void SQLITE::forgetCaches()
{
    m_columns.clear();
    m_sums.clear();
    m_indexed.clear();
}

void SQLITE::setStatementLogging(bool on)
{
    m_logging = on;
    if (!on)
        m_log.clear();
}

QList<SQLITE::Statement> SQLITE::takeStatementLog()
{
    return std::exchange(m_log, {});
}
