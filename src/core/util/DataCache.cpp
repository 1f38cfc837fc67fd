#include "core/util/DataCache.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"

#include <QDebug>

DataCache *DataCache::store()
{
    return AppContext::current()->service<DataCache>();
}

void DataCache::saveData(const QVariant &value, const QString &key)
{
    store()->m_values.insert(key, value);
}

QVariant DataCache::readDataForKey(const QString &key)
{
    const QVariantMap &values = store()->m_values;
    const auto it = values.constFind(key);
    if (it == values.constEnd()) {
        qCInfo(lcApi).noquote() << "No Cache Data !";
        return {};
    }
    return *it;
}
