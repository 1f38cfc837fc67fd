#include "ArticleRoutes.h"

#include <algorithm>

#include "ArticleTicket.h"
#include "ListFilter.h"
#include "MarketDatabase.h"
#include "RouteHelpers.h"

namespace {

QString channelOf(const QString &path)
{
    return path.section(u'/', 0, 0).toLower();
}

/// A logged-in reader's address carries the ticket that lets the page show a bought article.
QString articleUrl(const RouteEnv &env, const ServiceCall &call, const QVariant &id)
{
    const QString url = call.baseUrl + QStringLiteral("articles/") + id.toString();
    if (!call.caller)
        return url;
    return url + QStringLiteral("?t=")
           + QString::fromLatin1(ArticleTicket::issue(env.pageSecret, call.caller, id.toLongLong(), RouteHelpers::now()));
}

} // namespace

void ArticleRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<ArticleRoutes>(this, {
        {"zixun/getnews", &ArticleRoutes::news, RouteAccess::anyone()},
        {"gangchang/getnews", &ArticleRoutes::news, RouteAccess::anyone()},
        {"yanjiu/getnews", &ArticleRoutes::news, RouteAccess::anyone()},
        {"hangqing/getnews", &ArticleRoutes::regionalPrices, RouteAccess::anyone()},
        {"hangqing/getmore", &ArticleRoutes::regionalMore, RouteAccess::anyone()},
        {"fxs/GetTopArticle", &ArticleRoutes::analysts, RouteAccess::anyone()},
        {"Fxs/IsPay", &ArticleRoutes::isPaid, RouteAccess::namedUser()},
        {"Fxs/PayArticle", &ArticleRoutes::pay, RouteAccess::namedUser()},
    });
}

QVariantList ArticleRoutes::flatRows(const ServiceCall &call, const QString &channel, qint64 newsType,
                                     qint64 groupId, qint64 provinceId, int limit, int offset) const
{
    ListFilter filter(QStringLiteral("channel = ?"));
    filter.equal("news_type", newsType);
    filter.equal("region_group", groupId);
    filter.equal("province_id", provinceId);
    const auto rows = m_env.db.query(QStringLiteral("SELECT id, title, image FROM articles WHERE ") + filter.sql()
                                         + QStringLiteral(" ORDER BY created DESC, id DESC LIMIT ? OFFSET ?"),
                                     QVariantList{channel} + filter.params() + QVariantList{limit, offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(QVariantMap{
            {QStringLiteral("title"), r.value(QStringLiteral("title")).toString()},
            {QStringLiteral("imageUrl"), call.baseUrl + QStringLiteral("pictures/") + r.value(QStringLiteral("image")).toString()},
            {QStringLiteral("url"), articleUrl(m_env, call, r.value(QStringLiteral("id")))},
        });
    return out;
}

ServiceResult ArticleRoutes::news(const ServiceCall &call)
{
    const auto page = RouteHelpers::page(call);
    return ServiceResult::ok(flatRows(call, channelOf(call.path), call.number(QStringLiteral("newsType")), 0, 0,
                                      page.limit, page.offset));
}

ServiceResult ArticleRoutes::regionalPrices(const ServiceCall &call)
{
    const qint64 newsType = call.number(QStringLiteral("newsType"));
    const qint64 province = call.number(QStringLiteral("provinceId"));
    const int perGroup = int(std::clamp<qint64>(call.number(QStringLiteral("pageSize"), 10), 1, 50));
    QVariantList groups;
    for (const auto &g : m_env.db.query(QStringLiteral("SELECT id, name FROM region_groups ORDER BY id"))) {
        const qint64 id = g.value(QStringLiteral("id")).toLongLong();
        const QVariantList rows = flatRows(call, QStringLiteral("hangqing"), newsType, id, province, perGroup, 0);
        if (rows.isEmpty())
            continue;
        groups.append(QVariantMap{{QStringLiteral("id"), QString::number(id)},
                                  {QStringLiteral("name"), g.value(QStringLiteral("name")).toString()},
                                  {QStringLiteral("news"), rows}});
    }
    return ServiceResult::ok(groups);
}

ServiceResult ArticleRoutes::regionalMore(const ServiceCall &call)
{
    // The catalogue sends "pid"/"id"; the sub-list screen names them "Pid"/"Cid".
    const qint64 newsType = call.has(QStringLiteral("pid")) ? call.number(QStringLiteral("pid")) : call.number(QStringLiteral("Pid"));
    const qint64 group = call.has(QStringLiteral("id")) ? call.number(QStringLiteral("id")) : call.number(QStringLiteral("Cid"));
    const auto page = RouteHelpers::page(call);
    return ServiceResult::ok(flatRows(call, QStringLiteral("hangqing"), newsType, group,
                                      call.number(QStringLiteral("provinceId")), page.limit, page.offset));
}

ServiceResult ArticleRoutes::analysts(const ServiceCall &call)
{
    const auto page = RouteHelpers::page(call);
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT * FROM articles WHERE channel = 'fxs' ORDER BY created DESC, id DESC LIMIT ? OFFSET ?"),
        {page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows) {
        QVariantMap row{
            {QStringLiteral("ArticleTitle"), r.value(QStringLiteral("title")).toString()},
            {QStringLiteral("ImagePath"), call.baseUrl + QStringLiteral("pictures/") + r.value(QStringLiteral("image")).toString()},
            {QStringLiteral("url"), articleUrl(m_env, call, r.value(QStringLiteral("id")))},
            {QStringLiteral("ArticleId"), r.value(QStringLiteral("id")).toString()},
        };
        // Only paid articles carry a teaser: the client treats a row with one as paid.
        if (r.value(QStringLiteral("charge")).toDouble() > 0) {
            row.insert(QStringLiteral("Description"), r.value(QStringLiteral("description")).toString());
            row.insert(QStringLiteral("ChargeMoney"), RouteHelpers::number(r.value(QStringLiteral("charge"))));
        }
        out.append(row);
    }
    return ServiceResult::ok(out);
}

ServiceResult ArticleRoutes::isPaid(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QVariant charge = m_env.db.scalar(QStringLiteral("SELECT charge FROM articles WHERE id = ?"),
                                            {call.number(QStringLiteral("articleId"))});
    if (!charge.isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该文章不存在"));
    const bool bought = charge.toDouble() <= 0
                        || m_env.db.scalar(QStringLiteral("SELECT 1 FROM article_purchases WHERE user_id = ? AND article_id = ?"),
                                           {user, call.number(QStringLiteral("articleId"))}).isValid();
    // Non-zero means "not bought yet": the client keeps the teaser and the pay button.
    return ServiceResult::ok(bought ? 0 : 1);
}

ServiceResult ArticleRoutes::pay(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const qint64 article = call.number(QStringLiteral("articleId"));
    const QVariant charge = m_env.db.scalar(QStringLiteral("SELECT charge FROM articles WHERE id = ?"), {article});
    if (!charge.isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该文章不存在"));
    if (m_env.db.scalar(QStringLiteral("SELECT 1 FROM article_purchases WHERE user_id = ? AND article_id = ?"),
                        {user, article}).isValid())
        return ServiceResult::ok(QVariantMap(), QStringLiteral("您已购买过该文章"));
    // The balance check and the debit are one statement, so a balance never goes negative.
    const int debited = m_env.db.run(
        QStringLiteral("UPDATE users SET useful_money = useful_money - ?1 WHERE id = ?2 AND useful_money >= ?1"),
        {charge.toDouble(), user});
    if (debited != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("您的钢币余额不足，请充值后再购买"));
    m_env.db.run(QStringLiteral("INSERT INTO article_purchases(user_id, article_id) VALUES(?,?)"), {user, article});
    return ServiceResult::ok(QVariantMap{{QStringLiteral("url"), articleUrl(m_env, call, article)}}, QStringLiteral("购买成功"));
}
