#include "OrderBook.h"

#include "MarketDatabase.h"
#include "RouteHelpers.h"
#include "core/session/PushNotice.h"

#include <QDateTime>

ServiceResult OrderBook::place(qint64 buyerId, qint64 resourceId, double price, double weight,
                               const QString &tradeType)
{
    const QVariantMap r = m_env.db.queryOne(QStringLiteral("SELECT * FROM resource_view WHERE id = ?"), {resourceId});
    if (r.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该资源不存在"));
    const double available = r.value(QStringLiteral("weight")).toDouble();
    if (weight <= 0)
        weight = available; // a directed offer is taken whole
    const bool negotiable = r.value(QStringLiteral("negotiable")).toInt() != 0;
    if (price <= 0 || !negotiable)
        price = r.value(QStringLiteral("price")).toDouble();

    // Qt sends a POST again when a kept-alive connection closes before the answer, so the same
    // order arriving twice within a short time is one order: answer with the first.
    const QVariant earlier = m_env.db.scalar(
        QStringLiteral("SELECT order_no FROM orders WHERE buyer_id = ? AND resource_id = ? AND price = ? AND weight = ?"
                       " AND booked >= ? ORDER BY id DESC LIMIT 1"),
        {buyerId, resourceId, price, weight, RouteHelpers::now() - kRepeatWindow});
    if (earlier.isValid())
        return placed(earlier.toString());

    const int status = r.value(QStringLiteral("status")).toInt();
    const qint64 sellerId = r.value(QStringLiteral("owner_id")).toLongLong();
    const bool directedToBuyer = status == 3 && r.value(QStringLiteral("directed_to")).toLongLong() == buyerId;
    if (status != 2 && !directedToBuyer)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该资源已下架，无法下单"));
    if (sellerId == buyerId)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("不能购买自己发布的资源"));
    if (weight > available + 1e-9)
        return ServiceResult::fail(ServiceError::BadInput,
                                   QStringLiteral("采购重量不能超过资源重量%1吨").arg(RouteHelpers::number(available)));

    const QString number = QStringLiteral("VM%1%2")
                               .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")))
                               .arg(m_env.db.scalar(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM orders")).toLongLong(), 5, 10, QLatin1Char('0'));
    const int inserted = m_env.db.run(QStringLiteral(
        "INSERT INTO orders(order_no, resource_id, buyer_id, seller_id, price, weight, trade_type, booked) VALUES(?,?,?,?,?,?,?,?)"),
        {number, resourceId, buyerId, sellerId, price, weight, tradeType, RouteHelpers::now()});
    // The directed offer goes back to the seller only together with the order that took it.
    if (inserted != 1 || (directedToBuyer && m_env.db.run(QStringLiteral(
            "UPDATE resources SET status = 1, directed_to = NULL WHERE id = ?"), {resourceId}) != 1))
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("下单失败，请稍后重试"));
    m_env.push(sellerId, PushNotice::NewOrderForSeller);
    return placed(number);
}

ServiceResult OrderBook::placed(const QString &orderNo)
{
    return ServiceResult::ok(QVariantMap{{QStringLiteral("orderId"), orderNo}},
                             QStringLiteral("订单已提交，等待卖家确认"));
}

ServiceResult OrderBook::confirm(qint64 orderId)
{
    const QVariantMap o = m_env.db.queryOne(QStringLiteral("SELECT * FROM order_view WHERE id = ?"), {orderId});
    if (o.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不存在"));
    if (o.value(QStringLiteral("state")).toInt() != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该订单已处理，不能重复操作"));
    m_env.db.run(QStringLiteral("UPDATE orders SET state = 2, trade_status = 4, traded = ? WHERE id = ?"),
                 {RouteHelpers::now(), orderId});
    const QString buyerPhone = m_env.db.scalar(QStringLiteral("SELECT mobile FROM users WHERE id = ?"),
                                               {o.value(QStringLiteral("buyer_id"))}).toString();
    m_env.db.run(QStringLiteral("INSERT INTO deals(phone, price, weight, kind_name) VALUES(?,?,?,?)"),
                 {buyerPhone, o.value(QStringLiteral("price")), o.value(QStringLiteral("weight")),
                  o.value(QStringLiteral("nsort_name"))});
    m_env.push(o.value(QStringLiteral("buyer_id")).toLongLong(), PushNotice::OrderConfirmed);
    return ServiceResult::ok(QVariantMap(), QStringLiteral("订单已确认，请及时与买家联系完成交易"));
}

ServiceResult OrderBook::giveUp(qint64 orderId)
{
    const QVariantMap o = m_env.db.queryOne(QStringLiteral("SELECT * FROM orders WHERE id = ?"), {orderId});
    if (o.isEmpty())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不存在"));
    if (o.value(QStringLiteral("state")).toInt() != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该订单已处理，不能重复操作"));
    m_env.db.run(QStringLiteral("UPDATE orders SET state = 3, traded = ? WHERE id = ?"), {RouteHelpers::now(), orderId});
    m_env.push(o.value(QStringLiteral("buyer_id")).toLongLong(), PushNotice::OrderStateChanged);
    return ServiceResult::ok(QVariantMap(), QStringLiteral("订单已放弃"));
}

ServiceResult OrderBook::reportOutcome(qint64 orderId, bool success, const QString &role)
{
    const QVariantMap o = m_env.db.queryOne(QStringLiteral("SELECT * FROM orders WHERE id = ?"), {orderId});
    if (o.isEmpty() || o.value(QStringLiteral("state")).toInt() != 2)
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该订单不在交易中"));
    const bool buyer = role == QLatin1String("buy");
    if (!buyer && role != QLatin1String("sell"))
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("角色参数错误"));
    const QString column = buyer ? QStringLiteral("buyer_outcome") : QStringLiteral("seller_outcome");
    if (!o.value(column).isNull())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("您已提交过交易结果，请等待对方确认"));
    const QVariant other = o.value(buyer ? QStringLiteral("seller_outcome") : QStringLiteral("buyer_outcome"));
    // 5/7: the seller answered (success/failure); 6/8: the buyer did; 9: both did.
    int status = 9;
    if (other.isNull())
        status = buyer ? (success ? 6 : 8) : (success ? 5 : 7);
    m_env.db.run(QStringLiteral("UPDATE orders SET %1 = ?, trade_status = ? WHERE id = ?").arg(column),
                 {success ? QStringLiteral("1") : QStringLiteral("0"), status, orderId});
    const qint64 counterpart = o.value(buyer ? QStringLiteral("seller_id") : QStringLiteral("buyer_id")).toLongLong();
    m_env.push(counterpart, PushNotice::OrderStateChanged);
    return ServiceResult::ok(QVariantMap{{QStringLiteral("status"), QString::number(status)}},
                             status == 9 ? QStringLiteral("双方均已提交交易结果，等待平台审核")
                                         : QStringLiteral("交易结果已提交，等待对方确认"));
}
