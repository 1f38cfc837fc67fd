#include "HomeRoutes.h"
#include "ServerLog.h"

#include <algorithm>

#include "ListFilter.h"
#include "MarketDatabase.h"
#include "RouteHelpers.h"

#include <QDebug>

namespace {

/// Links kept relative ("articles/3") point at this service.
QString absolute(const ServiceCall &call, const QString &link)
{
    return link.startsWith(QLatin1String("http")) ? link : call.baseUrl + link;
}

} // namespace

void HomeRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<HomeRoutes>(this, {
        {"index/GetIndexData", &HomeRoutes::indexData, RouteAccess::anyone()},
        {"Index/GetNewsOrdersList", &HomeRoutes::recentDeals, RouteAccess::anyone()},
        {"Index/FindResource", &HomeRoutes::findResource, RouteAccess::namedUserIfAny()},
        {"steel/GetQueryCondition", &HomeRoutes::queryCondition, RouteAccess::anyone()},
        {"market/getspec", &HomeRoutes::specs, RouteAccess::anyone()},
        {"market/GetYieldly", &HomeRoutes::mills, RouteAccess::anyone()},
    });
}

QVariantList HomeRoutes::deals(int count) const
{
    const auto rows = m_env.db.query(QStringLiteral(
        "SELECT phone, price, weight, kind_name, traded FROM deals ORDER BY traded DESC, id DESC LIMIT ?"),
        {count});
    QVariantList out;
    for (const auto &r : rows)
        out.append(QVariantMap{
            {QStringLiteral("phoneNumber"), r.value(QStringLiteral("phone")).toString()},
            {QStringLiteral("price"), RouteHelpers::number(r.value(QStringLiteral("price")))},
            {QStringLiteral("weight"), RouteHelpers::number(r.value(QStringLiteral("weight")))},
            {QStringLiteral("nsortName"), r.value(QStringLiteral("kind_name")).toString()},
            {QStringLiteral("tradeTime"), RouteHelpers::time(r.value(QStringLiteral("traded")))},
        });
    return out;
}

ServiceResult HomeRoutes::indexData(const ServiceCall &call)
{
    const int count = int(std::clamp<qint64>(call.number(QStringLiteral("pageSize"), 4), 1, 50));
    QVariantList images;
    for (const auto &r : m_env.db.query(QStringLiteral("SELECT picture, link FROM adverts ORDER BY position, id")))
        images.append(QVariantMap{
            {QStringLiteral("iamgeUrl"), call.baseUrl + QStringLiteral("pictures/") + r.value(QStringLiteral("picture")).toString()},
            {QStringLiteral("linkUrl"), absolute(call, r.value(QStringLiteral("link")).toString())},
        });
    return ServiceResult::ok(QVariantMap{{QStringLiteral("OrderList"), deals(count)},
                                         {QStringLiteral("ImagesList"), images}});
}

ServiceResult HomeRoutes::recentDeals(const ServiceCall &call)
{
    return ServiceResult::ok(deals(int(std::clamp<qint64>(call.number(QStringLiteral("pageSize"), 20), 1, 200))));
}

ServiceResult HomeRoutes::findResource(const ServiceCall &call)
{
    const QString content = call.text(QStringLiteral("content")).trimmed();
    if (content.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("手机号码不能为空"));
    m_env.db.run(QStringLiteral("INSERT INTO find_requests(user_id, content) VALUES(?,?)"),
                 {call.caller, content});
    qCInfo(lcServer).noquote() << "find-goods request from" << call.caller << ":" << content;
    return ServiceResult::ok(QVariantMap(), QStringLiteral("找货需求已收到"));
}

ServiceResult HomeRoutes::queryCondition(const ServiceCall &)
{
    const auto kinds = m_env.db.query(QStringLiteral("SELECT id, category_id, name, hot FROM kinds ORDER BY category_id, id"));
    QHash<qint64, QVariantList> materials;
    for (const auto &m : m_env.db.query(QStringLiteral("SELECT kind_id, name FROM kind_materials ORDER BY kind_id, rowid")))
        materials[m.value(QStringLiteral("kind_id")).toLongLong()].append(
            QVariantMap{{QStringLiteral("Materials"), m.value(QStringLiteral("name")).toString()}});
    auto kindEntry = [&materials](const QVariantMap &k) {
        const qint64 id = k.value(QStringLiteral("id")).toLongLong();
        return QVariantMap{{QStringLiteral("nsortID"), QString::number(id)},
                           {QStringLiteral("nsortName"), k.value(QStringLiteral("name")).toString()},
                           {QStringLiteral("MaterialsRule"), materials.value(id)}};
    };
    // The first entry gathers the popular kinds; its id 0 means "any category" in the lists.
    QVariantList hot;
    QHash<qint64, QVariantList> byCategory;
    for (const auto &k : kinds) {
        byCategory[k.value(QStringLiteral("category_id")).toLongLong()].append(kindEntry(k));
        if (k.value(QStringLiteral("hot")).toInt())
            hot.append(kindEntry(k));
    }
    QVariantList tree{QVariantMap{{QStringLiteral("sortID"), QStringLiteral("0")},
                                  {QStringLiteral("sortName"), QStringLiteral("热门种类")},
                                  {QStringLiteral("nsort"), hot}}};
    for (const auto &c : m_env.db.query(QStringLiteral("SELECT id, name FROM categories ORDER BY position, id"))) {
        const qint64 id = c.value(QStringLiteral("id")).toLongLong();
        tree.append(QVariantMap{{QStringLiteral("sortID"), QString::number(id)},
                                {QStringLiteral("sortName"), c.value(QStringLiteral("name")).toString()},
                                {QStringLiteral("nsort"), byCategory.value(id)}});
    }
    return ServiceResult::ok(tree);
}

ServiceResult HomeRoutes::specs(const ServiceCall &call)
{
    const int limit = int(std::clamp<qint64>(call.number(QStringLiteral("pageSize"), 50), 1, 1000));
    ListFilter filter(QStringLiteral("status = 2"));
    filter.equal("category_id", call.number(QStringLiteral("sortID")));
    filter.equal("kind_id", call.number(QStringLiteral("nsortID")));
    filter.place(call.number(QStringLiteral("provinceID")));
    const QVariantList params = filter.params() + QVariantList{limit};
    return ServiceResult::ok(m_specs.value(filter.sql(), params, [&] {
        QVariantList out;
        for (const auto &r : m_env.db.query(QStringLiteral("SELECT spec, COUNT(*) AS n FROM resources WHERE ") + filter.sql()
                                                + QStringLiteral(" GROUP BY spec ORDER BY n DESC, spec LIMIT ?"),
                                            params))
            out.append(QVariantMap{{QStringLiteral("spec"), r.value(QStringLiteral("spec")).toString()}});
        return out;
    }));
}

ServiceResult HomeRoutes::mills(const ServiceCall &call)
{
    const QString filter = call.text(QStringLiteral("content")).trimmed();
    QVariantList out;
    for (const auto &r : m_env.db.query(QStringLiteral(
             "SELECT name, logo FROM mills WHERE ?1 = '' OR instr(name, ?1) > 0 ORDER BY id"), {filter}))
        out.append(QVariantMap{{QStringLiteral("Yieldly"), r.value(QStringLiteral("name")).toString()},
                               {QStringLiteral("LogoUrl"), call.baseUrl + QStringLiteral("pictures/")
                                                               + r.value(QStringLiteral("logo")).toString()}});
    return ServiceResult::ok(out);
}
