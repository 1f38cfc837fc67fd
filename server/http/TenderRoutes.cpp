#include "TenderRoutes.h"

#include "CompanyCard.h"
#include "ListFilter.h"
#include "MarketDatabase.h"
#include "RouteHelpers.h"

namespace {

const char kTenderSelect[] =
    "SELECT t.*, c.name AS sort_name, k.name AS nsort_name, COALESCE(p.name, '') AS province_name,"
    " COALESCE(ci.name, '') AS city_name,"
    " (SELECT COUNT(*) FROM bids b WHERE b.tender_id = t.id) AS bid_count"
    " FROM tenders t JOIN categories c ON c.id = t.category_id JOIN kinds k ON k.id = t.kind_id"
    " LEFT JOIN provinces p ON p.id = t.province_id LEFT JOIN cities ci ON ci.id = t.city_id ";

// Who a tender or a bid belongs to, for the access rules.
const char kTenderOwner[] = "SELECT owner_id FROM tenders WHERE id = ?";
const char kBidParties[] = "SELECT b.bidder_id, t.owner_id FROM bids b JOIN tenders t ON t.id = b.tender_id WHERE b.id = ?";

QString placeText(const QVariantMap &r, const char *province, const char *city)
{
    const QString p = r.value(QString::fromLatin1(province)).toString();
    const QString c = r.value(QString::fromLatin1(city)).toString();
    return p == c ? p : QStringLiteral("%1 %2").arg(p, c).trimmed();
}

} // namespace

void TenderRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<TenderRoutes>(this, {
        {"ZhaoBiao/Search", &TenderRoutes::search, RouteAccess::anyone()},
        {"ZhaoBiao/ZhaoBiaoDetail", &TenderRoutes::detail, RouteAccess::anyone()},
        {"ZhaoBiao/OnlineYingBiao", &TenderRoutes::bid, RouteAccess::namedUser()},
        {"ZhaoBiao/GetMyZhaoBiaoList", &TenderRoutes::myTenders, RouteAccess::namedUser()},
        {"ZhaoBiao/AddZhaoBiao", &TenderRoutes::addOrEdit, RouteAccess::namedUser()},
        {"ZhaoBiao/FbZhaoBiao", &TenderRoutes::publish, RouteAccess::holderOfEach("resourceids", kTenderOwner)},
        {"ZhaoBiao/BackZhaoBiao", &TenderRoutes::withdraw, RouteAccess::holder("resourceid", kTenderOwner)},
        {"ZhaoBiao/YingBiaoList", &TenderRoutes::myBids, RouteAccess::namedUser()},
        {"ZhaoBiao/YingBiaoDetail", &TenderRoutes::bidDetail, RouteAccess::holder("id", kBidParties)},
        {"ZhaoBiao/CompanyInfo", &TenderRoutes::ownerCard, RouteAccess::holder("id", kBidParties)},
    });
}

QVariantMap TenderRoutes::tender(const QVariantMap &r)
{
    auto s = [&r](const char *column) { return r.value(QString::fromLatin1(column)).toString(); };
    return {
        {QStringLiteral("id"), s("id")},
        {QStringLiteral("sortID"), s("category_id")},
        {QStringLiteral("sortName"), s("sort_name")},
        {QStringLiteral("nsortID"), s("kind_id")},
        {QStringLiteral("nsortName"), s("nsort_name")},
        {QStringLiteral("spec"), s("spec")},
        {QStringLiteral("materials"), s("materials")},
        {QStringLiteral("weight"), RouteHelpers::number(r.value(QStringLiteral("weight")))},
        {QStringLiteral("price"), RouteHelpers::number(r.value(QStringLiteral("price")))},
        {QStringLiteral("maxNum"), s("maxnum")},
        {QStringLiteral("provinceID"), s("province_id")},
        {QStringLiteral("cityID"), s("city_id")},
        {QStringLiteral("address"), placeText(r, "province_name", "city_name")},
        {QStringLiteral("cangku"), s("cangku")},
        {QStringLiteral("paytype"), s("paytype")},
        {QStringLiteral("status"), s("status")},
        {QStringLiteral("bidCount"), s("bid_count")},
        {QStringLiteral("addTime"), RouteHelpers::time(r.value(QStringLiteral("created")))},
    };
}

ServiceResult TenderRoutes::search(const ServiceCall &call)
{
    const auto page = RouteHelpers::page(call);
    ListFilter filter(QStringLiteral("status = 2"));
    filter.equal("category_id", call.number(QStringLiteral("sortID")));
    filter.equal("kind_id", call.number(QStringLiteral("nsortID")));
    filter.equal("province_id", call.number(QStringLiteral("provinceID")));
    const QString spec = call.text(QStringLiteral("spec")).trimmed();
    if (!spec.isEmpty() && spec != QLatin1String("0"))
        filter.add(QStringLiteral("instr(spec, ?) > 0"), spec);
    const auto rows = RouteHelpers::pageRows(
        m_env,
        QStringLiteral("SELECT id FROM tenders WHERE ") + filter.sql()
            + QStringLiteral(" ORDER BY published_at DESC, id DESC LIMIT ? OFFSET ?"),
        filter.params() + QVariantList{page.limit, page.offset}, QLatin1String(kTenderSelect) + QStringLiteral("WHERE t.id = ?"));
    QVariantList out;
    for (const auto &r : rows) {
        QVariantMap row = tender(r);
        row.remove(QStringLiteral("price")); // the tender price is not shown to sellers
        out.append(row);
    }
    return ServiceResult::ok(out);
}

ServiceResult TenderRoutes::detail(const ServiceCall &call)
{
    const QVariantMap r = m_env.db.queryOne(QLatin1String(kTenderSelect) + QStringLiteral("WHERE t.id = ?"),
                                            {call.number(QStringLiteral("id"))});
    // Unpublished tenders and those under review are their owner's alone.
    if (r.isEmpty()
        || (r.value(QStringLiteral("status")).toInt() != 2 && r.value(QStringLiteral("owner_id")).toLongLong() != call.caller))
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该招标信息不存在"));
    return ServiceResult::ok(tender(r));
}

ServiceResult TenderRoutes::bid(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QVariantMap t = m_env.db.queryOne(QLatin1String(kTenderSelect) + QStringLiteral("WHERE t.id = ?"),
                                            {call.number(QStringLiteral("ResourceID"))});
    if (t.isEmpty() || t.value(QStringLiteral("status")).toInt() != 2)
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该招标不在发布中，无法应标"));
    if (t.value(QStringLiteral("owner_id")).toLongLong() == user)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("不能对自己的招标应标"));
    const double price = call.decimal(QStringLiteral("Price"));
    if (price <= 0 || call.text(QStringLiteral("Yieldly")).trimmed().isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("信息必须完整填写"));
    if (t.value(QStringLiteral("bid_count")).toInt() >= t.value(QStringLiteral("maxnum")).toInt())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该招标的应标家数已满"));
    const int inserted = m_env.db.run(
        QStringLiteral("INSERT OR IGNORE INTO bids(tender_id, bidder_id, province_id, city_id, yieldly, price)"
                       " VALUES(?,?,?,?,?,?)"),
        {t.value(QStringLiteral("id")), user, call.number(QStringLiteral("ProvinceID")),
         call.number(QStringLiteral("CityID")), call.text(QStringLiteral("Yieldly")).trimmed(), price});
    if (inserted != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("您已经应标过该招标"));
    return ServiceResult::ok(QVariantMap(), QStringLiteral("应标成功，请等待招标方联系"));
}

ServiceResult TenderRoutes::myTenders(const ServiceCall &call)
{
    const qint64 user = call.caller;
    // The published list shows live tenders and those under review alike.
    const bool published = call.number(QStringLiteral("status"), 1) == 2;
    const auto page = RouteHelpers::page(call);
    const auto rows = m_env.db.query(
        QLatin1String(kTenderSelect)
            + QStringLiteral("WHERE t.owner_id = ? AND t.status IN (%1) ORDER BY t.created DESC, t.id DESC LIMIT ? OFFSET ?")
                  .arg(published ? QStringLiteral("2, 3") : QStringLiteral("1")),
        {user, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(tender(r));
    return ServiceResult::ok(out);
}

ServiceResult TenderRoutes::addOrEdit(const ServiceCall &call)
{
    const qint64 user = call.caller;
    for (const char *key : {"sortID", "nsortID", "provinceID", "cityID", "maxnum", "spec", "materials", "price",
                            "weight", "paytype"}) {
        if (call.text(QString::fromLatin1(key)).trimmed().isEmpty())
            return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("所有信息必须填写，请填写完整信息"));
    }
    const qint64 category = call.number(QStringLiteral("sortID"));
    const qint64 kind = call.number(QStringLiteral("nsortID"));
    if (!m_env.db.scalar(QStringLiteral("SELECT 1 FROM kinds WHERE id = ? AND category_id = ?"), {kind, category}).isValid())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("品名与大类不符"));
    const QString paytype = call.text(QStringLiteral("paytype"));
    const double price = call.decimal(QStringLiteral("price"));
    const double weight = call.decimal(QStringLiteral("weight"));
    const qint64 maxnum = call.number(QStringLiteral("maxnum"));
    if ((paytype != QLatin1String("0") && paytype != QLatin1String("1")) || price <= 0 || weight <= 0 || maxnum <= 0)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("招标信息填写有误，请检查价格、重量和付款方式"));
    QVariantList values{category, kind, call.text(QStringLiteral("spec")).trimmed(),
                        call.text(QStringLiteral("materials")).trimmed(), call.number(QStringLiteral("provinceID")),
                        call.number(QStringLiteral("cityID")), maxnum, price, weight, paytype};
    const qint64 id = call.number(QStringLiteral("id"));
    if (id == 0) {
        values.prepend(user);
        m_env.db.run(QStringLiteral("INSERT INTO tenders(owner_id, category_id, kind_id, spec, materials, province_id,"
                                    " city_id, maxnum, price, weight, paytype) VALUES(?,?,?,?,?,?,?,?,?,?,?)"),
                     values);
        return ServiceResult::ok(QVariantMap{{QStringLiteral("id"), QString::number(m_env.db.lastInsertId())}},
                                 QStringLiteral("招标信息已保存，是否现在发布？"));
    }
    values << id << user;
    const int changed = m_env.db.run(
        QStringLiteral("UPDATE tenders SET category_id = ?, kind_id = ?, spec = ?, materials = ?, province_id = ?,"
                       " city_id = ?, maxnum = ?, price = ?, weight = ?, paytype = ? WHERE id = ? AND owner_id = ? AND status = 1"),
        values);
    if (changed != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能修改您未发布的招标"));
    return ServiceResult::ok(QVariantMap{{QStringLiteral("id"), QString::number(id)}}, QStringLiteral("招标信息已修改"));
}

ServiceResult TenderRoutes::publish(const ServiceCall &call)
{
    // The access rule has seen that every id is the caller's; all must be unpublished too.
    const QList<qint64> ids = RouteHelpers::ids(call, "resourceids");
    if (ids.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("请选择要发布的招标"));
    for (qint64 id : ids) {
        if (m_env.db.run(QStringLiteral("UPDATE tenders SET status = 2, published_at = ? WHERE id = ? AND owner_id = ? AND status = 1"),
                         {RouteHelpers::now(), id, call.caller}) != 1)
            return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能发布未发布的招标"));
    }
    return ServiceResult::ok(QVariantMap(), QStringLiteral("招标信息已成功发布"));
}

ServiceResult TenderRoutes::withdraw(const ServiceCall &call)
{
    const int changed = m_env.db.run(QStringLiteral("UPDATE tenders SET status = 1 WHERE id = ? AND owner_id = ? AND status = 2"),
                                     {call.number(QStringLiteral("resourceid")), call.caller});
    if (changed != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("只能撤回发布中的招标"));
    return ServiceResult::ok(QVariantMap(), QStringLiteral("招标信息已成功扯回 !"));
}

ServiceResult TenderRoutes::myBids(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const auto page = RouteHelpers::page(call);
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT b.id, b.tender_id, b.price, b.created, k.name AS nsort_name, t.spec FROM bids b"
                       " JOIN tenders t ON t.id = b.tender_id JOIN kinds k ON k.id = t.kind_id"
                       " WHERE b.bidder_id = ? ORDER BY b.created DESC, b.id DESC LIMIT ? OFFSET ?"),
        {user, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(QVariantMap{
            {QStringLiteral("id"), r.value(QStringLiteral("id")).toString()},
            {QStringLiteral("tenderId"), r.value(QStringLiteral("tender_id")).toString()},
            {QStringLiteral("addTime"), RouteHelpers::time(r.value(QStringLiteral("created")))},
            {QStringLiteral("nsortName"), r.value(QStringLiteral("nsort_name")).toString()},
            {QStringLiteral("spec"), r.value(QStringLiteral("spec")).toString()},
            {QStringLiteral("ybPrice"), RouteHelpers::number(r.value(QStringLiteral("price")))},
        });
    return ServiceResult::ok(out);
}

ServiceResult TenderRoutes::bidDetail(const ServiceCall &call)
{
    const QVariantMap b = m_env.db.queryOne(
        QStringLiteral("SELECT b.*, COALESCE(p.name, '') AS bid_province, COALESCE(ci.name, '') AS bid_city"
                       " FROM bids b LEFT JOIN provinces p ON p.id = b.province_id LEFT JOIN cities ci ON ci.id = b.city_id"
                       " WHERE b.id = ?"),
        {call.number(QStringLiteral("id"))});
    if (b.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该应标信息不存在"));
    const QVariantMap t = m_env.db.queryOne(QLatin1String(kTenderSelect) + QStringLiteral("WHERE t.id = ?"),
                                            {b.value(QStringLiteral("tender_id"))});
    QVariantMap out = tender(t);
    out.insert(QStringLiteral("id"), b.value(QStringLiteral("id")).toString());
    out.insert(QStringLiteral("tenderId"), b.value(QStringLiteral("tender_id")).toString());
    out.insert(QStringLiteral("addTime"), RouteHelpers::time(b.value(QStringLiteral("created"))));
    out.insert(QStringLiteral("price"), RouteHelpers::number(b.value(QStringLiteral("price"))));
    out.insert(QStringLiteral("ybAddress"), placeText(b, "bid_province", "bid_city"));
    out.insert(QStringLiteral("yieldly"), b.value(QStringLiteral("yieldly")).toString());
    return ServiceResult::ok(out);
}

ServiceResult TenderRoutes::ownerCard(const ServiceCall &call)
{
    // The id is a bid's (the seller's bid list asks for the card of the tender's owner).
    const QVariant owner = m_env.db.scalar(
        QStringLiteral("SELECT t.owner_id FROM bids b JOIN tenders t ON t.id = b.tender_id WHERE b.id = ?"),
        {call.number(QStringLiteral("id"))});
    if (!owner.isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该应标信息不存在"));
    return CompanyCard::of(m_env.db, owner.toLongLong());
}
