#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

class AppContext;

/// Lists fetched once per run (the category list under "ClassOrSubClass"), kept in memory for
/// the rest of the run and empty at every start. One store per AppContext.
class DataCache
{
public:
    explicit DataCache(AppContext &) {}

    /// Stores the value under the key, replacing an earlier one.
    static void saveData(const QVariant &value, const QString &key);
    /// The stored value; none (after logging "No Cache Data !") when the key holds nothing.
    static QVariant readDataForKey(const QString &key);

private:
    static DataCache *store();
    QVariantMap m_values;
};
