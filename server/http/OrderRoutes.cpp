#include "OrderRoutes.h"

#include "CompanyCard.h"
#include "MarketDatabase.h"
#include "OrderBook.h"
#include "RouteHelpers.h"

namespace {

// Who an order belongs to, for the access rules.
const char kParties[] = "SELECT buyer_id, seller_id FROM orders WHERE id = ?";
const char kSeller[] = "SELECT seller_id FROM orders WHERE id = ?";
// The side that reports an outcome is the one its role names.
const char kReportingSide[] = "SELECT CASE ?2 WHEN 'sell' THEN seller_id WHEN 'buy' THEN buyer_id END FROM orders WHERE id = ?1";

/// The column that ties an order to the user for the given role.
QString sideColumn(const QString &role)
{
    return role == QLatin1String("sell") ? QStringLiteral("seller_id") : QStringLiteral("buyer_id");
}

} // namespace

void OrderRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<OrderRoutes>(this, {
        {"Market/ToBeConfirmedOrder", &OrderRoutes::orderList, RouteAccess::namedUser()},
        {"Market/ResourceOrderDetail", &OrderRoutes::waitingDetail, RouteAccess::holder("id", kParties)},
        {"Market/OrderHistoryDetail", &OrderRoutes::historyDetail, RouteAccess::holder("id", kParties)},
        {"Market/ConfirmOrder", &OrderRoutes::confirm, RouteAccess::holder("id", kSeller)},
        {"Market/GiveOrder", &OrderRoutes::giveUp, RouteAccess::holder("id", kSeller)},
        {"Market/TradeOrderList", &OrderRoutes::tradeList, RouteAccess::namedUser()},
        {"Market/ToTradeOrder", &OrderRoutes::tradeOutcome, RouteAccess::holder("id,role", kReportingSide)},
        {"Market/CompanyInfo", &OrderRoutes::companyInfo, RouteAccess::anyone()},
    });
}

ServiceResult OrderRoutes::orderList(const ServiceCall &call)
{
    const qint64 user = call.caller;
    // Status 1 waiting, 2 confirmed, 3 given up.
    const qint64 state = call.number(QStringLiteral("Status"), 1);
    if (state < 1 || state > 3)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("订单状态参数错误"));
    const auto page = RouteHelpers::page(call);
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT * FROM order_view WHERE %1 = ? AND state = ? ORDER BY booked DESC, id DESC LIMIT ? OFFSET ?")
            .arg(sideColumn(call.text(QStringLiteral("role")))),
        {user, state, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(RouteHelpers::order(r, user));
    return ServiceResult::ok(out);
}

ServiceResult OrderRoutes::detail(qint64 orderId, qint64 viewerId)
{
    const QVariantMap r = m_env.db.queryOne(QStringLiteral("SELECT * FROM order_view WHERE id = ?"), {orderId});
    if (r.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不存在"));
    if (viewerId && r.value(QStringLiteral("buyer_id")).toLongLong() != viewerId
        && r.value(QStringLiteral("seller_id")).toLongLong() != viewerId)
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不存在"));
    return ServiceResult::ok(RouteHelpers::order(r, viewerId));
}

ServiceResult OrderRoutes::waitingDetail(const ServiceCall &call)
{
    return detail(call.number(QStringLiteral("id")), call.caller);
}

ServiceResult OrderRoutes::historyDetail(const ServiceCall &call)
{
    const qint64 id = call.number(QStringLiteral("id"));
    ServiceResult result = detail(id, call.caller);
    // The order's latest payment voucher, for its detail to show; either party may have sent it.
    const QVariant picture = m_env.db.scalar(
        QStringLiteral("SELECT picture FROM vouchers WHERE order_id = ? ORDER BY id DESC LIMIT 1"), {id});
    if (result.errorCode == 0 && picture.isValid()) {
        QVariantMap data = result.data.toMap();
        data.insert(QStringLiteral("pzUrl"), call.baseUrl + QStringLiteral("pictures/") + picture.toString());
        result.data = data;
    }
    return result;
}

ServiceResult OrderRoutes::confirm(const ServiceCall &call)
{
    return OrderBook(m_env).confirm(call.number(QStringLiteral("id")));
}

ServiceResult OrderRoutes::giveUp(const ServiceCall &call)
{
    return OrderBook(m_env).giveUp(call.number(QStringLiteral("id")));
}

ServiceResult OrderRoutes::tradeList(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const auto page = RouteHelpers::page(call, "pageindex", "pagesize");
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT * FROM order_view WHERE %1 = ? AND state = 2 ORDER BY traded DESC, id DESC LIMIT ? OFFSET ?")
            .arg(sideColumn(call.text(QStringLiteral("role")))),
        {user, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(RouteHelpers::order(r, user));
    return ServiceResult::ok(out);
}

ServiceResult OrderRoutes::tradeOutcome(const ServiceCall &call)
{
    const QString flag = call.text(QStringLiteral("issuccess"));
    if (flag != QLatin1String("0") && flag != QLatin1String("1"))
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("交易结果参数错误"));
    const qint64 orderId = call.number(QStringLiteral("id"));
    const QString role = call.text(QStringLiteral("role"));
    return OrderBook(m_env).reportOutcome(orderId, flag == QLatin1String("1"), role);
}

ServiceResult OrderRoutes::companyInfo(const ServiceCall &call)
{
    return CompanyCard::of(m_env.db, call.number(QStringLiteral("userId")));
}
