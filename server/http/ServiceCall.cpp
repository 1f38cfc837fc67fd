#include "ServiceCall.h"

#include "core/util/Value.h"

QString ServiceCall::text(const QString &key) const
{
    const QVariant v = info.value(key);
    return Value::isNone(v) ? QString() : Value::text(v);
}

qint64 ServiceCall::number(const QString &key, qint64 fallback) const
{
    const QVariant v = info.value(key);
    if (Value::isNone(v) || Value::text(v).trimmed().isEmpty())
        return fallback;
    return Value::longLongValue(v);
}

double ServiceCall::decimal(const QString &key) const
{
    return Value::doubleValue(info.value(key));
}
