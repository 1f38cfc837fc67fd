#include "MarketDatabase.h"

#include "MarketSchema.h"
#include "PasswordHash.h"
#include "ServerLog.h"

#include <sqlite3.h>

MarketDatabase::~MarketDatabase()
{
    if (m_db)
        sqlite3_close(m_db);
}

bool MarketDatabase::open(const QString &path)
{
    if (sqlite3_open(path.toUtf8().constData(), &m_db) != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        qCWarning(lcServer).noquote() << "database: cannot open" << path << m_lastError;
        return false;
    }
    // A busy timeout keeps a second process (a test peeking at the file) from failing at once.
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_update_hook(m_db, &MarketDatabase::onUpdate, this);
    return execScript(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA foreign_keys=ON;"))
        && execScript(MarketSchema::sql()) && migrate();
}

void MarketDatabase::onUpdate(void *self, int, const char *, const char *table, qint64)
{
    if (qstrcmp(table, "resources") == 0)
        ++static_cast<MarketDatabase *>(self)->m_resourceGeneration;
}

bool MarketDatabase::migrate()
{
    const int version = scalar(QStringLiteral("PRAGMA user_version")).toInt();
    if (version > kSchemaVersion) {
        m_lastError = QStringLiteral("the file was written by a newer service (schema %1, this one knows %2)")
                          .arg(version).arg(kSchemaVersion);
        qCCritical(lcServer).noquote() << "database:" << m_lastError;
        return false;
    }
    if (version == kSchemaVersion)
        return true;
    begin();
    // Files from before versioning keep passwords in plain text: hash them in place.
    int hashed = 0;
    if (version < 1) {
        const Rows plain = query(QStringLiteral("SELECT id, password FROM users WHERE password <> ''"));
        for (const Row &row : plain) {
            const QString stored = row.value(QStringLiteral("password")).toString();
            if (PasswordHash::isHash(stored))
                continue;
            run(QStringLiteral("UPDATE users SET password = ? WHERE id = ?"),
                {PasswordHash::make(stored), row.value(QStringLiteral("id"))});
            ++hashed;
        }
    }
    // The spec texts are kept by triggers from version 2 on; older files get them once here.
    if (version < 2)
        run(QStringLiteral("INSERT OR IGNORE INTO spec_texts(spec) SELECT DISTINCT spec FROM resources"));
    run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!commit())
        return false;
    if (hashed)
        qCInfo(lcServer).noquote() << "database: hashed" << hashed << "stored passwords";
    return true;
}

bool MarketDatabase::execScript(const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        m_lastError = QString::fromUtf8(err ? err : "unknown error");
        sqlite3_free(err);
        qCWarning(lcServer).noquote() << "database:" << m_lastError;
        return false;
    }
    return true;
}

bool MarketDatabase::bindAll(sqlite3_stmt *stmt, const QVariantList &params) const
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params.at(i);
        const int idx = i + 1;
        int rc = SQLITE_OK;
        switch (v.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            rc = sqlite3_bind_null(stmt, idx);
            break;
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(stmt, idx, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, idx, v.toDouble());
            break;
        default: {
            if (v.isNull() && v.typeId() != QMetaType::QString) {
                rc = sqlite3_bind_null(stmt, idx);
                break;
            }
            const QByteArray text = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, idx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
        if (rc != SQLITE_OK) {
            m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
            return false;
        }
    }
    return true;
}

MarketDatabase::Rows MarketDatabase::query(const QString &sql, const QVariantList &params) const
{
    Rows rows;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        fail(sql);
        return rows;
    }
    if (!bindAll(stmt, params)) {
        fail(sql);
    } else {
        const int columns = sqlite3_column_count(stmt);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < columns; ++c) {
                const QString name = QString::fromUtf8(sqlite3_column_name(stmt, c));
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    row.insert(name, qint64(sqlite3_column_int64(stmt, c)));
                    break;
                case SQLITE_FLOAT:
                    row.insert(name, sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_NULL:
                    row.insert(name, QVariant());
                    break;
                default:
                    row.insert(name, QString::fromUtf8(
                                         reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                         sqlite3_column_bytes(stmt, c)));
                }
            }
            rows.append(row);
        }
        if (rc != SQLITE_DONE) {
            fail(sql);
        }
    }
    sqlite3_finalize(stmt);
    return rows;
}

MarketDatabase::Row MarketDatabase::queryOne(const QString &sql, const QVariantList &params) const
{
    const Rows rows = query(sql, params);
    return rows.isEmpty() ? Row() : rows.first();
}

QVariant MarketDatabase::scalar(const QString &sql, const QVariantList &params) const
{
    sqlite3_stmt *stmt = nullptr;
    QVariant result;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        fail(sql);
        return result;
    }
    const int rc = bindAll(stmt, params) ? sqlite3_step(stmt) : SQLITE_MISUSE;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(sql);
    if (rc == SQLITE_ROW) {
        switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_INTEGER: result = qint64(sqlite3_column_int64(stmt, 0)); break;
        case SQLITE_FLOAT: result = sqlite3_column_double(stmt, 0); break;
        case SQLITE_NULL: result = QVariant(); break;
        default:
            result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)),
                                       sqlite3_column_bytes(stmt, 0));
        }
    }
    sqlite3_finalize(stmt);
    return result;
}

int MarketDatabase::run(const QString &sql, const QVariantList &params)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        fail(sql);
        return -1;
    }
    int changed = -1;
    if (bindAll(stmt, params) && sqlite3_step(stmt) == SQLITE_DONE)
        changed = sqlite3_changes(m_db);
    else
        fail(sql);
    sqlite3_finalize(stmt);
    return changed;
}

void MarketDatabase::fail(const QString &sql) const
{
    ++m_failures;
    m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    qCWarning(lcServer).noquote() << "database:" << m_lastError << "in" << sql;
}

qint64 MarketDatabase::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

// Units are savepoints, so a route's own unit nests inside the one every call runs in.
bool MarketDatabase::begin()
{
    if (!execScript(QStringLiteral("SAVEPOINT unit"))) {
        ++m_failures;
        return false;
    }
    m_units.append(m_failures);
    return true;
}

bool MarketDatabase::commit()
{
    if (m_units.isEmpty())
        return false;
    if (m_failures != m_units.last()) {
        rollback();
        return false;
    }
    m_units.removeLast();
    if (execScript(QStringLiteral("RELEASE unit")))
        return true;
    ++m_failures;
    return false;
}

void MarketDatabase::rollback()
{
    if (m_units.isEmpty())
        return;
    m_units.removeLast();
    execScript(QStringLiteral("ROLLBACK TO unit; RELEASE unit"));
}
