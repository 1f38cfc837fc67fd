#pragma once

#include "core/session/StatementCache.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <optional>

class AppContext;
struct sqlite3;
struct sqlite3_stmt;

/// The local table store: schema-less tables in "Steelv1.0.sqlite3", each created from the keys
/// of the first row written to it, every value stored and read back as text.
///
/// Names are quoted and values bound, so nothing a peer sends can change a statement. The
/// connection runs in WAL mode with synchronous=NORMAL (a committed write survives a crash of
/// the application), statements are prepared once per shape and table, and the sums asked for on
/// every message are kept up to date incrementally. Failures are results, never exceptions:
/// writes log the database's error text and return false, reads return nothing.
class SQLITE
{
public:
    explicit SQLITE(AppContext &context);   ///< opens the documents folder's database
    explicit SQLITE(const QString &path);   ///< opens the database at path
    ~SQLITE();
    SQLITE(const SQLITE &) = delete;
    SQLITE &operator=(const SQLITE &) = delete;

    static SQLITE *standardSqlite();

    /// The open connection; null when the file could not be opened.
    sqlite3 *database() const { return m_db; }
    QString path() const { return m_path; }

    /// Creates table key from the row's keys if it does not exist, then inserts the row.
    bool addSQLObject(const QVariantMap &object, const QString &key);
    /// Updates the rows of table whose column key equals object[key], or inserts object.
    bool setSQLObject(const QVariantMap &object, const QString &table, const QString &key);
    /// Rows of table, optionally where elementKey equals elementValue, ordered and paged as
    /// the store has always done (order 1 is descending). A table name holding "null" (made from
    /// a missing user id) gives nothing.
    QVariantList selectSQLFromtable(const QString &table, const QString &elementKey,
                                    const QVariant &elementValue, qint64 limit, qint64 offset,
                                    qint64 order);
    /// Rows of a caller-written query, named by table's columns in schema order.
    QVariantList selectDataWithSQL(const QString &sql, const QString &table);
    /// Rows of table matching condition (SQL with ?1.. placeholders for binds, names quoted by
    /// the caller) in the given order, at most limit of them (all for limit < 1). Values stay
    /// bound, so a peer's text never becomes part of the statement.
    QVariantList selectRows(const QString &table, const QString &condition, const QVariantList &binds,
                            const QString &orderBy, qint64 limit = 0);
    /// Keeps an index on table(key) so that lookups by key need not scan; it changes no table or
    /// column of the file.
    void ensureIndex(const QString &table, const QString &key);
    /// The table's column names in schema order ("id" first); empty when there is no table.
    QStringList colKeyFromtable(const QString &table);
    /// Deletes the rows whose column key equals value.
    bool removeSQL(const QString &table, const QString &key, const QVariant &value);
    /// Deletes every row; the table stays.
    bool deleteSQLTable(const QString &table);
    /// Number of rows; 0 when the table is missing.
    qint64 counttable(const QString &table);
    /// Sum of column key over table form (optionally where whereKey equals whereValue) as
    /// decimal text; "0" for no rows, a missing table or a failing statement.
    QString sumWithKey(const QString &key, const QString &form, const QString &whereKey,
                       const QVariant &whereValue);
    /// Creates table from column names ("classNum" as int, the rest text) unless it exists.
    bool createTable(const QString &table, const QStringList &keys);
    /// Inserts one row; a key the table lacks fails and stores nothing.
    bool insertIntotable(const QString &table, const QVariantMap &dictionary);

    /// Runs work as one transaction (a savepoint when nested): committed when work returns
    /// true, rolled back otherwise. Returns whether it was committed.
    bool transaction(const std::function<bool()> &work);

    /// Each statement the store runs, as executed text plus the bound values' text.
    struct Statement
    {
        QString sql;
        QStringList values;
    };
    /// Records statements from now on (off by default: it costs time on every message).
    void setStatementLogging(bool on);
    /// The statements recorded since the last call.
    QList<Statement> takeStatementLog();

private:
    enum class Report { Silent, Insert, Update, General };
    using RowHandler = std::function<void(sqlite3_stmt *)>;

    void open();
    bool exec(const QString &sql, const QVariantList &binds = {}, const RowHandler &onRow = {},
              Report report = Report::General);
    QVariantList readRows(const QString &sql, const QVariantList &binds, const QString &table);
    bool tableExists(const QString &table);
    bool validNames(const QString &table, const QStringList &columns, const char *operation);
    void forgetCaches();

    /// For each kept sum of table, its column's sum over the rows where/binds select (none when
    /// that sum is not an exact integer).
    using Partials = QHash<QString, std::optional<qint64>>;
    Partials partials(const QString &table, const QString &where, const QVariantList &binds);
    /// Moves the kept sums of table from minus to plus; one that cannot stay exact is forgotten.
    void moveSums(const QString &table, const Partials &minus, const Partials &plus);
    std::optional<qint64> partialSum(const QString &sql, const QVariantList &binds);

    QString m_path;
    sqlite3 *m_db = nullptr;
    StatementCache m_statements;
    QHash<QString, QStringList> m_columns;            // table -> column names
    QHash<QString, QHash<QString, qint64>> m_sums;    // table -> column -> exact sum
    QSet<QString> m_indexed;                          // table + NUL + key
    int m_depth = 0;
    bool m_logging = false;
    QList<Statement> m_log;
};
