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

    /// Groups many changes into one transaction (seeding hundreds of rows).
    bool begin();
    bool commit();

    QString lastError() const { return m_lastError; }
    /// Number of statements that failed so far; callers compare it around a unit of work to
    /// turn a failed statement into a failure reply instead of an empty success.
    quint64 failures() const { return m_failures; }

private:
    bool bindAll(struct sqlite3_stmt *stmt, const QVariantList &params) const;

    sqlite3 *m_db = nullptr;
    void fail(const QString &sql) const;

    mutable QString m_lastError;
    mutable quint64 m_failures = 0;
};
