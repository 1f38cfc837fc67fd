#include "RouteHelpers.h"

#include <algorithm>

#include "MarketDatabase.h"
#include "core/util/Value.h"

#include <QDateTime>
#include <QRegularExpression>

RouteHelpers::Page RouteHelpers::page(const ServiceCall &call, const char *indexKey,
                                      const char *sizeKey, int maxSize)
{
    const qint64 index = std::clamp<qint64>(call.number(QString::fromLatin1(indexKey), 1), 1, 100000);
    const qint64 size = std::clamp<qint64>(call.number(QString::fromLatin1(sizeKey), 10), 1, maxSize);
    return Page{int(size), int((index - 1) * size)};
}

ServiceResult RouteHelpers::notYourCall()
{
    return ServiceResult::fail(ServiceError::NotLoggedIn, QStringLiteral("登录已失效，请重新登录"));
}

QList<qint64> RouteHelpers::ids(const ServiceCall &call, const char *key)
{
    static const QRegularExpression separators(QStringLiteral("[,，|;\\s]+"));
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,18}$"));
    const QString name = QString::fromLatin1(key);
    QList<qint64> out;
    for (const QString &part : call.text(name).split(separators, Qt::SkipEmptyParts)) {
        const qint64 id = whole.match(part).hasMatch() ? part.toLongLong() : 0;
        if (id <= 0) {
            if (!call.badKeys.contains(name))
                call.badKeys.append(name);
            return {};
        }
        if (!out.contains(id))
            out.append(id);
    }
    return out;
}

QString RouteHelpers::number(const QVariant &value)
{
    if (Value::isNone(value))
        return {};
    return QString::number(value.toDouble(), 'g', 12);
}

QString RouteHelpers::time(const QVariant &secondsSinceEpoch)
{
    if (Value::isNone(secondsSinceEpoch))
        return {};
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch.toLongLong())
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

qint64 RouteHelpers::now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QList<QVariantMap> RouteHelpers::pageRows(const RouteEnv &env, const QString &idQuery, const QVariantList &params,
                                          const QString &rowQuery)
{
    QList<QVariantMap> rows;
    for (const auto &id : env.db.query(idQuery, params)) {
        QVariantMap row = env.db.queryOne(rowQuery, {id.value(QStringLiteral("id"))});
        if (!row.isEmpty())
            rows.append(std::move(row));
    }
    return rows;
}

QVariantList RouteHelpers::resourcePage(const RouteEnv &env, const QString &idQuery, const QVariantList &params)
{
    QVariantList out;
    for (const auto &r : pageRows(env, idQuery, params, QStringLiteral("SELECT * FROM resource_view WHERE id = ?")))
        out.append(resource(r, env.isOnline(r.value(QStringLiteral("owner_id")).toLongLong())));
    return out;
}

QVariantMap RouteHelpers::resource(const QVariantMap &r, bool sellerOnline)
{
    auto s = [&r](const char *column) { return r.value(QString::fromLatin1(column)).toString(); };
    const QString id = s("id");
    const QString millTel = s("mill_tel");
    return {
        {QStringLiteral("resourceId"), id},
        {QStringLiteral("ID"), id},
        {QStringLiteral("sortID"), s("category_id")},
        {QStringLiteral("sortName"), s("sort_name")},
        {QStringLiteral("nsortID"), s("kind_id")},
        {QStringLiteral("nsortName"), s("nsort_name")},
        {QStringLiteral("spec"), s("spec")},
        {QStringLiteral("materials"), s("materials")},
        {QStringLiteral("yieldly"), s("yieldly")},
        {QStringLiteral("provinceID"), s("province_id")},
        {QStringLiteral("provinceName"), s("province_name")},
        {QStringLiteral("cityID"), s("city_id")},
        {QStringLiteral("cityName"), s("city_name")},
        {QStringLiteral("cangku"), s("cangku")},
        {QStringLiteral("countType"), s("count_type")},
        {QStringLiteral("weight"), number(r.value(QStringLiteral("weight")))},
        {QStringLiteral("price"), number(r.value(QStringLiteral("price")))},
        {QStringLiteral("discount"), number(r.value(QStringLiteral("discount")))},
        {QStringLiteral("Discuss"), r.value(QStringLiteral("negotiable")).toInt() != 0},
        {QStringLiteral("YsIndex"), s("quality_index")},
        {QStringLiteral("LoginInfoID"), s("owner_id")},
        {QStringLiteral("mobile"), s("owner_mobile")},
        {QStringLiteral("currentState"), sellerOnline ? 1 : 0},
        // Extensions of the call centre: the mill's desk in steel-mill mode, the seller's otherwise.
        {QStringLiteral("Tel"), millTel},
        {QStringLiteral("YieldlyTel"), millTel.isEmpty() ? QString() : QStringLiteral("8%1").arg(millTel.right(3))},
        {QStringLiteral("status"), s("status")},
        // A directed offer was published to its one buyer when it was directed.
        {QStringLiteral("publishTime"), time(r.value(s("status") == QLatin1String("3") ? QStringLiteral("directed_at")
                                                                                        : QStringLiteral("published_at")))},
        {QStringLiteral("addTime"), time(r.value(QStringLiteral("directed_at")))},
    };
}

QVariantMap RouteHelpers::order(const QVariantMap &r, qint64 viewerId)
{
    auto s = [&r](const char *column) { return r.value(QString::fromLatin1(column)).toString(); };
    const bool isBuyer = r.value(QStringLiteral("buyer_id")).toLongLong() == viewerId;
    const QString counterpart = isBuyer ? s("seller_id") : s("buyer_id");
    return {
        {QStringLiteral("id"), s("id")},
        {QStringLiteral("orderId"), s("order_no")},
        {QStringLiteral("resourceId"), s("resource_id")},
        {QStringLiteral("bookTime"), time(r.value(QStringLiteral("booked")))},
        {QStringLiteral("tradeTime"), time(r.value(QStringLiteral("traded")).isNull()
                                               ? r.value(QStringLiteral("booked"))
                                               : r.value(QStringLiteral("traded")))},
        {QStringLiteral("nsortName"), s("nsort_name")},
        {QStringLiteral("spec"), s("spec")},
        {QStringLiteral("materials"), s("materials")},
        {QStringLiteral("yieldly"), s("yieldly")},
        {QStringLiteral("provinceName"), s("province_name")},
        {QStringLiteral("cityName"), s("city_name")},
        {QStringLiteral("cangku"), s("cangku")},
        {QStringLiteral("address"), QStringLiteral("%1 %2 %3").arg(s("province_name"), s("city_name"), s("cangku")).trimmed()},
        {QStringLiteral("countType"), s("count_type")},
        {QStringLiteral("price"), number(r.value(QStringLiteral("price")))},
        {QStringLiteral("weight"), number(r.value(QStringLiteral("weight")))},
        {QStringLiteral("status"), s("trade_status")},
        {QStringLiteral("state"), s("state")},
        {QStringLiteral("pzStatus"), r.value(QStringLiteral("vouchers")).toInt() > 0 ? QStringLiteral("已上传")
                                                                                   : QStringLiteral("未上传")},
        {QStringLiteral("userId"), counterpart},
    };
}

QVariantList RouteHelpers::list(const QList<QVariantMap> &rows)
{
    QVariantList out;
    out.reserve(rows.size());
    for (const QVariantMap &row : rows)
        out.append(row);
    return out;
}
