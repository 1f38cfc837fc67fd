#include "core/session/StatementCache.h"

#include <sqlite3.h>

#include <algorithm>
#include <vector>

StatementCache::StatementCache(qsizetype capacity) : m_capacity(std::max<qsizetype>(capacity, 4))
{
}

StatementCache::~StatementCache()
{
    clear();
}

sqlite3_stmt *StatementCache::statement(const QString &sql, QByteArray *error)
{
    if (!m_db) {
        if (error)
            *error = "database is not open";
        return nullptr;
    }
    auto it = m_entries.find(sql);
    if (it != m_entries.end()) {
        it->lastUse = ++m_clock;
        return it->stmt;
    }
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    if (rc != SQLITE_OK || !stmt) {
        if (error)
            *error = rc == SQLITE_OK ? QByteArray("empty statement") : QByteArray(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        return nullptr;
    }
    // A second statement after the first would be silently ignored; refuse it instead.
    if (tail && *tail) {
        const QByteArray rest = QByteArray(tail).trimmed();
        if (!rest.isEmpty() && rest != ";") {
            if (error)
                *error = "more than one statement";
            sqlite3_finalize(stmt);
            return nullptr;
        }
    }
    if (m_entries.size() >= m_capacity)
        evictOldest();
    m_entries.insert(sql, Entry{stmt, ++m_clock});
    return stmt;
}

void StatementCache::evictOldest()
{
    // Dropping a quarter at a time keeps eviction cost amortised over many insertions.
    std::vector<quint64> uses;
    uses.reserve(size_t(m_entries.size()));
    for (const Entry &e : std::as_const(m_entries))
        uses.push_back(e.lastUse);
    const size_t drop = std::max<size_t>(1, uses.size() / 4);
    std::nth_element(uses.begin(), uses.begin() + long(drop - 1), uses.end());
    const quint64 cutoff = uses[drop - 1];
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->lastUse <= cutoff) {
            sqlite3_finalize(it->stmt);
            it = m_entries.erase(it);
        } else {
            ++it;
        }
    }
}

void StatementCache::clear()
{
    for (const Entry &e : std::as_const(m_entries))
        sqlite3_finalize(e.stmt);
    m_entries.clear();
}
