#pragma once

#include "RouteEnv.h"
#include "ServiceResult.h"

/// The order life cycle: placing an order on a listed or directed resource, the seller's
/// confirmation or giving up, and the outcome each side reports once the order is in trade.
/// Every change that concerns the other side sends it a push notice.
class OrderBook
{
public:
    explicit OrderBook(RouteEnv &env) : m_env(env) {}

    ServiceResult place(qint64 buyerId, qint64 resourceId, double price, double weight,
                        const QString &tradeType);
    /// The seller's answers; the route's access rule has made sure the caller is the seller.
    ServiceResult confirm(qint64 orderId);
    ServiceResult giveUp(qint64 orderId);
    /// `success` true for "1"; `role` "buy" or "sell" says which side reports.
    ServiceResult reportOutcome(qint64 orderId, bool success, const QString &role);

    /// Seconds within which the same order from the same buyer counts as sent twice.
    static constexpr qint64 kRepeatWindow = 30;

private:
    static ServiceResult placed(const QString &orderNo);

    RouteEnv &m_env;
};
