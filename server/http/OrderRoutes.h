#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// Buyer and seller order lists, order details, the seller's confirm / give up, the trade
/// outcome each side reports, and the counterpart's company card.
class OrderRoutes
{
public:
    explicit OrderRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult orderList(const ServiceCall &call);
    ServiceResult waitingDetail(const ServiceCall &call);
    ServiceResult historyDetail(const ServiceCall &call);
    ServiceResult confirm(const ServiceCall &call);
    ServiceResult giveUp(const ServiceCall &call);
    ServiceResult tradeList(const ServiceCall &call);
    ServiceResult tradeOutcome(const ServiceCall &call);
    ServiceResult companyInfo(const ServiceCall &call);

    ServiceResult detail(qint64 orderId, qint64 viewerId);

    RouteEnv &m_env;
};
