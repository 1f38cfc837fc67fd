#pragma once

#include "MarketDatabase.h"

#include <QHash>
#include <QString>
#include <QVariantList>

/// Answers worked out from the resources (a search total, the spec list), each kept under a key
/// until any resource row changes: a large market is counted once per change, not per page.
template<class T>
class ResourceCache
{
public:
    explicit ResourceCache(const MarketDatabase &db) : m_db(db) {}

    /// The value for a statement and its parameters, computed when not kept.
    template<class Compute>
    T value(const QString &sql, const QVariantList &params, Compute compute)
    {
        const QString key = sql + QLatin1Char('|') + QVariant(params).toStringList().join(QLatin1Char('|'));
        if (m_generation != m_db.resourceGeneration() || m_values.size() > 10000) {
            m_values.clear();
            m_generation = m_db.resourceGeneration();
        }
        auto found = m_values.constFind(key);
        if (found == m_values.constEnd())
            found = m_values.insert(key, compute());
        return found.value();
    }

private:
    const MarketDatabase &m_db;
    QHash<QString, T> m_values;
    quint64 m_generation = 0;
};
