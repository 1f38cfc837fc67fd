#include "ResourceRoutes.h"

#include "MarketDatabase.h"
#include "OrderBook.h"
#include "RouteHelpers.h"
#include "core/session/PushNotice.h"

#include <QRegularExpression>

namespace {

// Who a resource belongs to, for the access rules: its seller, and the buyer it is directed to.
const char kOwner[] = "SELECT owner_id FROM resources WHERE id = ?";
const char kDirectedTo[] = "SELECT directed_to FROM resources WHERE id = ? AND status = 3";

} // namespace

void ResourceRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<ResourceRoutes>(this, {
        {"Market/DirectResourceList", &ResourceRoutes::directedToMe, RouteAccess::namedUser()},
        {"Market/SendDirectResourceList", &ResourceRoutes::directedByMe, RouteAccess::namedUser()},
        {"Market/DirectToOrder", &ResourceRoutes::directToOrder, RouteAccess::holderOfEach("resourceids", kDirectedTo)},
        {"Market/ReleaseDirectResource", &ResourceRoutes::releaseDirect, RouteAccess::holderOfEach("resourceids", kOwner)},
        {"Market/ReleaseResource", &ResourceRoutes::release, RouteAccess::holderOfEach("resourceids", kOwner)},
        {"Market/BackResource", &ResourceRoutes::back, RouteAccess::holderOfEach("resourceids", kOwner)},
        {"Market/MyResourceList", &ResourceRoutes::myList, RouteAccess::namedUser()},
        {"Market/EditResource", &ResourceRoutes::edit, RouteAccess::namedUser()},
    });
}

ServiceResult ResourceRoutes::listWhere(const ServiceCall &call, const QString &where, const QVariantList &params)
{
    const auto page = RouteHelpers::page(call);
    QVariantList all = params;
    all << page.limit << page.offset;
    return ServiceResult::ok(RouteHelpers::resourcePage(
        m_env, QStringLiteral("SELECT id FROM resources WHERE ") + where
                   + QStringLiteral(" ORDER BY COALESCE(directed_at, published_at, created) DESC, id DESC LIMIT ? OFFSET ?"),
        all));
}

QList<qint64> ResourceRoutes::owned(qint64 userId, const QList<qint64> &ids, const QString &states) const
{
    QList<qint64> out;
    for (qint64 id : ids) {
        const QVariant status = m_env.db.scalar(QStringLiteral("SELECT status FROM resources WHERE id = ? AND owner_id = ?"),
                                                {id, userId});
        if (status.isValid() && states.contains(status.toString()))
            out.append(id);
    }
    return out;
}

ServiceResult ResourceRoutes::directedToMe(const ServiceCall &call)
{
    const qint64 user = call.caller;
    return listWhere(call, QStringLiteral("status = 3 AND directed_to = ?"), {user});
}

ServiceResult ResourceRoutes::directedByMe(const ServiceCall &call)
{
    const qint64 user = call.caller;
    return listWhere(call, QStringLiteral("status = 3 AND owner_id = ?"), {user});
}

ServiceResult ResourceRoutes::myList(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const qint64 status = call.number(QStringLiteral("status"), 1);
    if (status < 1 || status > 3)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("资源状态参数错误"));
    return listWhere(call, QStringLiteral("owner_id = ? AND status = ?"), {user, status});
}

ServiceResult ResourceRoutes::directToOrder(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QList<qint64> ids = RouteHelpers::ids(call, "resourceids");
    if (ids.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("请选择资源"));
    OrderBook orders(m_env);
    for (qint64 id : ids) {
        const QVariant directedTo = m_env.db.scalar(
            QStringLiteral("SELECT directed_to FROM resources WHERE id = ? AND status = 3"), {id});
        if (directedTo.toLongLong() != user)
            return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该定向资源不存在或已被撤回"));
    }
    ServiceResult last;
    for (qint64 id : ids) {
        last = orders.place(user, id, 0, 0, QStringLiteral("自主提货"));
        if (last.errorCode != 0)
            return last;
    }
    return last;
}

ServiceResult ResourceRoutes::releaseDirect(const ServiceCall &call)
{
    const qint64 user = call.caller;
    static const QRegularExpression separators(QStringLiteral("[,，|;\\s]+"));
    const QStringList mobiles = call.text(QStringLiteral("mobile")).split(separators, Qt::SkipEmptyParts);
    if (mobiles.size() != 1)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("请输入一个买家的手机号码"));
    const QVariant buyer = m_env.db.scalar(QStringLiteral("SELECT id FROM users WHERE mobile = ?"), {mobiles.first()});
    if (!buyer.isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该手机号码尚未注册"));
    if (buyer.toLongLong() == user)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("不能定向给自己"));
    const QList<qint64> requested = RouteHelpers::ids(call, "resourceids");
    const QList<qint64> ids = owned(user, requested, QStringLiteral("1"));
    if (ids.isEmpty() || ids.size() != requested.size())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能定向您未发布的资源"));
    for (qint64 id : ids)
        m_env.db.run(QStringLiteral("UPDATE resources SET status = 3, directed_to = ?, directed_at = ? WHERE id = ?"),
                     {buyer, RouteHelpers::now(), id});
    m_env.push(buyer.toLongLong(), PushNotice::NewDirectedResource);
    return ServiceResult::ok(QVariantMap(), QStringLiteral("资源已定向发送给%1").arg(mobiles.first()));
}

ServiceResult ResourceRoutes::release(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QList<qint64> requested = RouteHelpers::ids(call, "resourceids");
    const QList<qint64> ids = owned(user, requested, QStringLiteral("1"));
    if (ids.isEmpty() || ids.size() != requested.size())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能发布您未发布的资源"));
    for (qint64 id : ids)
        m_env.db.run(QStringLiteral("UPDATE resources SET status = 2, published_at = ? WHERE id = ?"),
                     {RouteHelpers::now(), id});
    return ServiceResult::ok(QVariantMap(), QStringLiteral("资源已成功发布到超市"));
}

ServiceResult ResourceRoutes::back(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QList<qint64> requested = RouteHelpers::ids(call, "resourceids");
    const QList<qint64> ids = owned(user, requested, QStringLiteral("23"));
    if (ids.isEmpty() || ids.size() != requested.size())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能撤回已发布或已定向的资源"));
    for (qint64 id : ids)
        m_env.db.run(QStringLiteral("UPDATE resources SET status = 1, directed_to = NULL, directed_at = NULL,"
                                    " withdrawn_at = ? WHERE id = ?"),
                     {RouteHelpers::now(), id});
    return ServiceResult::ok(QVariantMap(), QStringLiteral("资源已撤回"));
}

ServiceResult ResourceRoutes::edit(const ServiceCall &call)
{
    const qint64 user = call.caller;
    for (const char *key : {"sortID", "nsortID", "provinceID", "cityID", "spec", "materials", "yieldly", "price",
                            "weight", "counttype", "cangku"}) {
        if (call.text(QString::fromLatin1(key)).trimmed().isEmpty())
            return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("所有信息必须填写，请填写完整信息"));
    }
    const qint64 category = call.number(QStringLiteral("sortID"));
    const qint64 kind = call.number(QStringLiteral("nsortID"));
    if (!m_env.db.scalar(QStringLiteral("SELECT 1 FROM kinds WHERE id = ? AND category_id = ?"), {kind, category}).isValid())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("品名与大类不符"));
    const double price = call.decimal(QStringLiteral("price"));
    const double weight = call.decimal(QStringLiteral("weight"));
    if (price <= 0 || weight <= 0)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("价格和重量必须大于零"));
    const QVariantList values{category, kind, call.text(QStringLiteral("spec")).trimmed(),
                              call.text(QStringLiteral("materials")).trimmed(), call.text(QStringLiteral("yieldly")).trimmed(),
                              call.number(QStringLiteral("provinceID")), call.number(QStringLiteral("cityID")),
                              call.text(QStringLiteral("cangku")).trimmed(), call.text(QStringLiteral("counttype")).trimmed(),
                              weight, price, call.decimal(QStringLiteral("discount"))};
    const qint64 id = call.number(QStringLiteral("resourceid"));
    if (id == 0) {
        QVariantList params{user};
        params << values;
        m_env.db.run(QStringLiteral("INSERT INTO resources(owner_id, category_id, kind_id, spec, materials, yieldly,"
                                    " province_id, city_id, cangku, count_type, weight, price, discount)"
                                    " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                     params);
        return ServiceResult::ok(QVariantMap{{QStringLiteral("resourceId"), QString::number(m_env.db.lastInsertId())}},
                                 QStringLiteral("资源已保存到未发布资源中"));
    }
    if (owned(user, {id}, QStringLiteral("1")).isEmpty())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能修改您未发布的资源"));
    QVariantList params = values;
    params << id;
    m_env.db.run(QStringLiteral("UPDATE resources SET category_id = ?, kind_id = ?, spec = ?, materials = ?, yieldly = ?,"
                                " province_id = ?, city_id = ?, cangku = ?, count_type = ?, weight = ?, price = ?,"
                                " discount = ? WHERE id = ?"),
                 params);
    return ServiceResult::ok(QVariantMap{{QStringLiteral("resourceId"), QString::number(id)}},
                             QStringLiteral("资源信息已修改"));
}
