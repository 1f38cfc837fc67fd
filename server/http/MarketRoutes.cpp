#include "MarketRoutes.h"

#include "ListFilter.h"
#include "MarketDatabase.h"
#include "OrderBook.h"
#include "RouteHelpers.h"

#include <algorithm>

namespace {

/// "0" and "" both mean "no filter" for the category, kind, province and specification.
QString specFilter(const ServiceCall &call)
{
    const QString spec = call.text(QStringLiteral("spec")).trimmed();
    return spec == QLatin1String("0") ? QString() : spec;
}

const char kAuctionSelect[] =
    "SELECT a.*, k.name AS nsort_name FROM auctions a JOIN kinds k ON k.id = a.kind_id WHERE code = ?";

QString auctionState(qint64 begin, qint64 now)
{
    if (now < begin)
        return QStringLiteral("未开始");
    if (now < begin + 2 * 3600)
        return QStringLiteral("竞价中");
    return QStringLiteral("已结束");
}

} // namespace

void MarketRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<MarketRoutes>(this, {
        {"Market/Search", &MarketRoutes::search, RouteAccess::anyone()},
        {"Market/Details", &MarketRoutes::details, RouteAccess::anyone()},
        {"Market/ToOrder", &MarketRoutes::toOrder, RouteAccess::namedUser()},
        {"auction/GetAuctionList", &MarketRoutes::auctionList, RouteAccess::anyone()},
        {"auction/getDetails", &MarketRoutes::auctionDetail, RouteAccess::anyone()},
        {"auction/collect", &MarketRoutes::auctionCollect, RouteAccess::namedUser()},
    });
}

ServiceResult MarketRoutes::search(const ServiceCall &call)
{
    const auto page = RouteHelpers::page(call);
    ListFilter filter(QStringLiteral("status = 2"));
    filter.equal("category_id", call.number(QStringLiteral("sortID")));
    filter.equal("kind_id", call.number(QStringLiteral("nsortID")));
    filter.place(call.number(QStringLiteral("provinceID")));
    filter.equal("yieldly", call.text(QStringLiteral("yieldlydirect")).trimmed());
    QString where = filter.sql();
    QVariantList params = filter.params();
    qint64 total = 0;
    const QString spec = specFilter(call);
    if (spec.isEmpty()) {
        total = count(where, params);
    } else {
        // Part of a spec: the few distinct spec texts are searched for it, and a listing matches
        // when its spec is one of those found, which the indexes can check. When few listings
        // match, they are read through the spec index and sorted; otherwise the listing order is
        // walked (the index of the other filters holds the spec too) and the rest skipped,
        // whichever reads fewer index entries (a sorted entry costs about two walked ones).
        const qint64 listed = count(where, params);
        const QString matching = QStringLiteral(" AND %1spec IN (SELECT spec FROM spec_texts WHERE instr(spec, ?) > 0)");
        params << spec;
        total = count(where + matching.arg(QString()), params);
        const qint64 window = page.offset + page.limit;
        const qint64 walked = std::min(listed, window * listed / std::max<qint64>(total, 1));
        const bool bySpec = filter.isAny() && 2 * total < walked;
        where += matching.arg(bySpec ? QString() : QStringLiteral("+"));
    }
    params << page.limit << page.offset;
    ServiceResult result = ServiceResult::ok(RouteHelpers::resourcePage(
        m_env, QStringLiteral("SELECT id FROM resources WHERE ") + where
                   + QStringLiteral(" ORDER BY published_at DESC, id DESC LIMIT ? OFFSET ?"),
        params));
    result.extra.insert(QStringLiteral("total"), QString::number(total));
    return result;
}

qint64 MarketRoutes::count(const QString &filter, const QVariantList &params)
{
    return m_counts.value(filter, params, [&] {
        return m_env.db.scalar(QStringLiteral("SELECT COUNT(*) FROM resources WHERE ") + filter, params).toLongLong();
    });
}

ServiceResult MarketRoutes::details(const ServiceCall &call)
{
    const QVariantMap row = m_env.db.queryOne(QStringLiteral("SELECT * FROM resource_view WHERE id = ?"),
                                              {call.number(QStringLiteral("resourceId"))});
    // Listed resources are public; a saved or withdrawn one is its seller's, and a directed
    // offer its seller's and its buyer's.
    const int status = row.value(QStringLiteral("status")).toInt();
    const bool visible = status == 2 || row.value(QStringLiteral("owner_id")).toLongLong() == call.caller
                         || (status == 3 && call.caller && row.value(QStringLiteral("directed_to")).toLongLong() == call.caller);
    if (row.isEmpty() || !visible)
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该资源不存在"));
    return ServiceResult::ok(RouteHelpers::resource(row, m_env.isOnline(row.value(QStringLiteral("owner_id")).toLongLong())));
}

ServiceResult MarketRoutes::toOrder(const ServiceCall &call)
{
    const qint64 buyer = call.caller;
    const qint64 resource = call.number(QStringLiteral("resourceId"));
    const double price = call.decimal(QStringLiteral("bprice"));
    const double weight = call.decimal(QStringLiteral("bweight"));
    if (!call.badKeys.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("参数格式不正确"));
    if (weight <= 0)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("采购重量必须大于零"));
    if (price <= 0)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("采购价格必须大于零"));
    return OrderBook(m_env).place(buyer, resource, price, weight, call.text(QStringLiteral("tradeType")));
}

ServiceResult MarketRoutes::auctionList(const ServiceCall &call)
{
    const auto page = RouteHelpers::page(call);
    ListFilter filter(QStringLiteral("1"));
    filter.equal("category_id", call.number(QStringLiteral("sortID")));
    filter.equal("kind_id", call.number(QStringLiteral("nsortID")));
    // Auctions name their province only: a city's code matches the city's province.
    const qint64 place = call.number(QStringLiteral("provinceID"));
    filter.equal("province_id", place >= 100 ? place / 100 : place);
    const QString spec = specFilter(call);
    if (!spec.isEmpty())
        filter.add(QStringLiteral("instr(spec, ?) > 0"), spec);
    const auto rows = RouteHelpers::pageRows(
        m_env,
        QStringLiteral("SELECT code AS id FROM auctions WHERE ") + filter.sql()
            + QStringLiteral(" ORDER BY begin_time DESC, code LIMIT ? OFFSET ?"),
        filter.params() + QVariantList{page.limit, page.offset}, QLatin1String(kAuctionSelect));
    const qint64 now = RouteHelpers::now();
    QVariantList out;
    for (const auto &r : rows)
        out.append(QVariantMap{
            {QStringLiteral("auctionCode"), r.value(QStringLiteral("code")).toString()},
            {QStringLiteral("nsortName"), r.value(QStringLiteral("nsort_name")).toString()},
            {QStringLiteral("spec"), r.value(QStringLiteral("spec")).toString()},
            {QStringLiteral("price"), RouteHelpers::number(r.value(QStringLiteral("price")))},
            {QStringLiteral("beginTime"), RouteHelpers::time(r.value(QStringLiteral("begin_time")))},
            {QStringLiteral("auctionState"), auctionState(r.value(QStringLiteral("begin_time")).toLongLong(), now)},
        });
    return ServiceResult::ok(out);
}

ServiceResult MarketRoutes::auctionDetail(const ServiceCall &call)
{
    const QVariantMap r = m_env.db.queryOne(QLatin1String(kAuctionSelect), {call.text(QStringLiteral("auctionCode"))});
    if (r.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该拍卖场次不存在"));
    auto s = [&r](const char *column) { return r.value(QString::fromLatin1(column)).toString(); };
    return ServiceResult::ok(QVariantMap{
        {QStringLiteral("auctionCode"), s("code")},
        {QStringLiteral("nsortName"), s("nsort_name")},
        {QStringLiteral("spec"), s("spec")},
        {QStringLiteral("materials"), s("materials")},
        {QStringLiteral("yieldly"), s("yieldly")},
        {QStringLiteral("place"), s("place")},
        {QStringLiteral("weight"), RouteHelpers::number(r.value(QStringLiteral("weight")))},
        {QStringLiteral("jillingType"), s("jilling_type")},
        {QStringLiteral("beginTime"), RouteHelpers::time(r.value(QStringLiteral("begin_time")))},
        {QStringLiteral("price"), RouteHelpers::number(r.value(QStringLiteral("price")))},
        {QStringLiteral("fudu"), RouteHelpers::number(r.value(QStringLiteral("fudu")))},
        {QStringLiteral("fuKuanShiJian"), s("fukuan_days")},
        {QStringLiteral("sellerQualityIndex"), s("quality_index")},
        {QStringLiteral("auctionState"), auctionState(r.value(QStringLiteral("begin_time")).toLongLong(), RouteHelpers::now())},
    });
}

ServiceResult MarketRoutes::auctionCollect(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QString code = call.text(QStringLiteral("auctionCode"));
    if (!m_env.db.scalar(QStringLiteral("SELECT 1 FROM auctions WHERE code = ?"), {code}).isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该拍卖场次不存在"));
    m_env.db.run(QStringLiteral("INSERT OR IGNORE INTO auction_bookmarks(user_id, code) VALUES(?,?)"), {user, code});
    return ServiceResult::ok(QVariantMap(), QStringLiteral("收藏成功"));
}
