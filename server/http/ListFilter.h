#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

/// The condition of a list statement: what always holds, plus one equality for each filter the
/// caller asked for. Filters left out of the statement (rather than "(? = 0 OR column = ?)")
/// let an index that starts with the asked columns and ends with the list's order serve both
/// the filter and the order, so a page is read from the index without sorting the table.
class ListFilter
{
public:
    explicit ListFilter(const QString &always) : m_clauses{always} {}

    /// Adds "column = value", unless the value is 0 or empty: the lists' "any".
    void equal(const char *column, const QVariant &value);
    /// Adds the place the place picker hands over: a province's code ("31") or, in the same
    /// member, a city's ("3101"), which narrows to that city within its province. 0 is any place.
    void place(qint64 code);
    /// Adds a clause with one "?" for `value`.
    void add(const QString &clause, const QVariant &value);

    QString sql() const { return m_clauses.join(QLatin1String(" AND ")); }
    const QVariantList &params() const { return m_params; }
    /// Whether only the fixed condition is there.
    bool isAny() const { return m_clauses.size() == 1; }

private:
    QStringList m_clauses;
    QVariantList m_params;
};
