#pragma once

#include "ResourceCache.h"
#include "RouteEnv.h"
#include "RouteTable.h"


/// The supermarket (search, detail, order) and the auctions (list, detail, bookmark).
class MarketRoutes
{
public:
    explicit MarketRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult search(const ServiceCall &call);
    ServiceResult details(const ServiceCall &call);
    ServiceResult toOrder(const ServiceCall &call);
    ServiceResult auctionList(const ServiceCall &call);
    ServiceResult auctionDetail(const ServiceCall &call);
    ServiceResult auctionCollect(const ServiceCall &call);
    /// Listed resources matching `filter` (cached while the resources stay as they are).
    qint64 count(const QString &filter, const QVariantList &params);

    RouteEnv &m_env;
    ResourceCache<qint64> m_counts{m_env.db};
};
