#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

/// Prepared statements of one connection, kept by their text. The text already holds the
/// statement's shape and its quoted table, so one entry serves every message of a conversation.
/// The least recently used entries are finalized once the cache is full, which bounds the memory
/// held for thousands of per-peer tables.
class StatementCache
{
public:
    explicit StatementCache(qsizetype capacity = 4096);
    ~StatementCache();
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    void setDatabase(sqlite3 *db) { m_db = db; }

    /// A reset statement for sql, prepared on first use; null when it cannot be prepared, with
    /// the database's error text in *error.
    sqlite3_stmt *statement(const QString &sql, QByteArray *error);

    /// Finalizes every statement (before the connection closes).
    void clear();

    qsizetype size() const { return m_entries.size(); }

private:
    struct Entry
    {
        sqlite3_stmt *stmt = nullptr;
        quint64 lastUse = 0;
    };
    void evictOldest();

    sqlite3 *m_db = nullptr;
    qsizetype m_capacity;
    quint64 m_clock = 0;
    QHash<QString, Entry> m_entries;
};
