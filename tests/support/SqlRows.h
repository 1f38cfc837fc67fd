#pragma once

#include <QStringList>

#include <sqlite3.h>

/// The first column of every row a statement gives, as text: a test's look at a store's own
/// pragmas and schema, past the store's interface.
inline QStringList sqlRows(sqlite3 *db, const char *sql)
{
    QStringList out;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return out;
}
