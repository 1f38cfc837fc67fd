#include "ServiceCall.h"

#include "core/util/Value.h"

#include <QRegularExpression>
#include <cmath>

QString ServiceCall::text(const QString &key) const
{
    const QVariant v = info.value(key);
    return Value::isNone(v) ? QString() : Value::text(v);
}

qint64 ServiceCall::number(const QString &key, qint64 fallback) const
{
    const QVariant v = info.value(key);
    if (Value::isNone(v))
        return fallback;
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15)
            return qint64(d);
    } else if (v.typeId() == QMetaType::Bool || v.typeId() == QMetaType::QVariantMap
               || v.typeId() == QMetaType::QVariantList) {
        // not a number in any reading
    } else {
        static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]{1,18}$"));
        const QString t = Value::text(v).trimmed();
        if (t.isEmpty())
            return fallback;
        if (whole.match(t).hasMatch())
            return t.toLongLong();
    }
    if (!badKeys.contains(key))
        badKeys.append(key);
    return fallback;
}

double ServiceCall::decimal(const QString &key) const
{
    const QVariant v = info.value(key);
    if (Value::isNone(v))
        return 0;
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
        d = v.toDouble();
        ok = true;
    } else if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return 0;
        d = t.toDouble(&ok);
    }
    if (ok && std::isfinite(d))
        return d;
    if (!badKeys.contains(key))
        badKeys.append(key);
    return 0;
}
