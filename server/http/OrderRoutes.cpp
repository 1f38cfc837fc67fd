#include "OrderRoutes.h"

#include "CompanyCard.h"
#include "MarketDatabase.h"
#include "OrderBook.h"
#include "RouteHelpers.h"

namespace {

/// The column that ties an order to the user for the given role.
QString sideColumn(const QString &role)
{
    return role == QLatin1String("sell") ? QStringLiteral("seller_id") : QStringLiteral("buyer_id");
}

} // namespace

void OrderRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<OrderRoutes>(this, {
        {"Market/ToBeConfirmedOrder", &OrderRoutes::orderList},
        {"Market/ResourceOrderDetail", &OrderRoutes::waitingDetail},
        {"Market/OrderHistoryDetail", &OrderRoutes::historyDetail},
        {"Market/ConfirmOrder", &OrderRoutes::confirm},
        {"Market/GiveOrder", &OrderRoutes::giveUp},
        {"Market/TradeOrderList", &OrderRoutes::tradeList},
        {"Market/ToTradeOrder", &OrderRoutes::tradeOutcome},
        {"Market/CompanyInfo", &OrderRoutes::companyInfo},
    });
}

ServiceResult OrderRoutes::orderList(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    // Status 1 waiting, 2 confirmed, 3 given up.
    const qint64 state = call.number(QStringLiteral("Status"), 1);
    if (state < 1 || state > 3)
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("订单状态参数错误"));
    const auto page = RouteHelpers::page(call);
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT * FROM order_view WHERE %1 = ? AND state = ? ORDER BY booked DESC, id DESC LIMIT ? OFFSET ?")
            .arg(sideColumn(call.text(QStringLiteral("role")))),
        {*user, state, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(RouteHelpers::order(r, *user));
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
    // The call names no user: the session key says who asks, and only a party may see it.
    const qint64 orderId = call.number(QStringLiteral("id"));
    if (m_env.trustUserIds)
        return detail(orderId, 0);
    const qint64 viewer = RouteHelpers::caller(m_env, call, 0);
    return viewer ? detail(orderId, viewer) : RouteHelpers::notYourCall();
}

ServiceResult OrderRoutes::historyDetail(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    return detail(call.number(QStringLiteral("id")), *user);
}

ServiceResult OrderRoutes::confirm(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    return OrderBook(m_env).confirm(*user, call.number(QStringLiteral("id")));
}

ServiceResult OrderRoutes::giveUp(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    return OrderBook(m_env).giveUp(*user, call.number(QStringLiteral("id")));
}

ServiceResult OrderRoutes::tradeList(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    const auto page = RouteHelpers::page(call, "pageindex", "pagesize");
    const auto rows = m_env.db.query(
        QStringLiteral("SELECT * FROM order_view WHERE %1 = ? AND state = 2 ORDER BY traded DESC, id DESC LIMIT ? OFFSET ?")
            .arg(sideColumn(call.text(QStringLiteral("role")))),
        {*user, page.limit, page.offset});
    QVariantList out;
    for (const auto &r : rows)
        out.append(RouteHelpers::order(r, *user));
    return ServiceResult::ok(out);
}

ServiceResult OrderRoutes::tradeOutcome(const ServiceCall &call)
{
    const QString flag = call.text(QStringLiteral("issuccess"));
    if (flag != QLatin1String("0") && flag != QLatin1String("1"))
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("交易结果参数错误"));
    const qint64 orderId = call.number(QStringLiteral("id"));
    const QString role = call.text(QStringLiteral("role"));
    if (!m_env.trustUserIds) {
        // The call names no user: the session key must belong to the side that reports.
        const QVariant side = m_env.db.scalar(
            QStringLiteral("SELECT %1 FROM orders WHERE id = ?").arg(sideColumn(role)), {orderId});
        const qint64 caller = RouteHelpers::caller(m_env, call, 0);
        if (!caller || side.toLongLong() != caller)
            return RouteHelpers::notYourCall();
    }
    return OrderBook(m_env).reportOutcome(orderId, flag == QLatin1String("1"), role);
}

ServiceResult OrderRoutes::companyInfo(const ServiceCall &call)
{
    return CompanyCard::of(m_env.db, call.number(QStringLiteral("userId")));
}
