#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

struct sqlite3;

/// The market's one SQLite file. Every statement takes its values as bound parameters, never
/// spliced into the SQL text, so whatever a client sends cannot change a statement's meaning.
/// Rows come back as maps from column name to value (integer, double, text or null).
class MarketDatabase
{
public:
    using Row = QVariantMap;
    using Rows = QList<QVariantMap>;

    MarketDatabase() = default;
    ~MarketDatabase();
    MarketDatabase(const MarketDatabase &) = delete;
    MarketDatabase &operator=(const MarketDatabase &) = delete;

    /// Opens (creating if needed) the file and applies the schema. ":memory:" works too.
    bool open(const QString &path);
    bool isOpen() const { return m_db != nullptr; }

    /// Runs one or more statements without parameters (schema, pragmas).
    bool execScript(const QString &sql);

    /// All rows of a query.
    Rows query(const QString &sql, const QVariantList &params = {}) const;
    /// The first row of a query, empty when there is none.
    Row queryOne(const QString &sql, const QVariantList &params = {}) const;
    /// The first column of the first row, invalid when there is none.
    QVariant scalar(const QString &sql, const QVariantList &params = {}) const;

    /// Runs a changing statement; returns the number of changed rows, -1 on failure.
    int run(const QString &sql, const QVariantList &params = {});
    /// Row id of the last successful insert.
    qint64 lastInsertId() const;

    /// Starts a unit of work; units nest (savepoints). commit() keeps the unit's changes only
    /// when none of its statements failed (bind and step errors included) and otherwise rolls
    /// it back and returns false; rollback() undoes it whatever happened.
    bool begin();
    bool commit();
    void rollback();
    int depth() const { return int(m_units.size()); }

    /// Rolls its unit back unless commit() was called and succeeded.
    class Transaction
    {
    public:
        explicit Transaction(MarketDatabase &db) : m_db(db) { m_open = db.begin(); }
        ~Transaction()
        {
            if (m_open)
                m_db.rollback();
        }
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        bool commit()
        {
            const bool ok = m_open && m_db.commit();
            m_open = false;
            return ok;
        }

    private:
        MarketDatabase &m_db;
        bool m_open = false;
    };

    /// The schema version this program writes (PRAGMA user_version).
    static constexpr int kSchemaVersion = 2;

    /// Grows whenever a row of `resources` changes, so cached counts know they are stale.
    quint64 resourceGeneration() const { return m_resourceGeneration; }

    QString lastError() const { return m_lastError; }
    /// Number of statements that failed so far; callers compare it around a unit of work to
    /// turn a failed statement into a failure reply instead of an empty success.
    quint64 failures() const { return m_failures; }

private:
    bool bindAll(struct sqlite3_stmt *stmt, const QVariantList &params) const;

    bool migrate();
    static void onUpdate(void *self, int op, const char *database, const char *table, qint64 rowid);

    sqlite3 *m_db = nullptr;
    void fail(const QString &sql) const;
    QList<quint64> m_units;  ///< failure count at the start of each open unit
    quint64 m_resourceGeneration = 0;

    mutable QString m_lastError;
    mutable quint64 m_failures = 0;
};
