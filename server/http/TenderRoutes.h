#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// Tenders (a buyer's request for steel) and bids (a seller's answer): the market list, the
/// buyer's own tenders through unpublished / published / under review, and the seller's bids.
class TenderRoutes
{
public:
    explicit TenderRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult search(const ServiceCall &call);
    ServiceResult detail(const ServiceCall &call);
    ServiceResult bid(const ServiceCall &call);
    ServiceResult myTenders(const ServiceCall &call);
    ServiceResult addOrEdit(const ServiceCall &call);
    ServiceResult publish(const ServiceCall &call);
    ServiceResult withdraw(const ServiceCall &call);
    ServiceResult myBids(const ServiceCall &call);
    ServiceResult bidDetail(const ServiceCall &call);
    ServiceResult ownerCard(const ServiceCall &call);

    static QVariantMap tender(const QVariantMap &row);

    RouteEnv &m_env;
};
