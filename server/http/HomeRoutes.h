#pragma once

#include "ResourceCache.h"
#include "RouteEnv.h"
#include "RouteTable.h"

/// Home page data, recent deals, find-goods requests, the category tree, specifications and
/// the steel-mill list.
class HomeRoutes
{
public:
    explicit HomeRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult indexData(const ServiceCall &call);
    ServiceResult recentDeals(const ServiceCall &call);
    ServiceResult findResource(const ServiceCall &call);
    ServiceResult queryCondition(const ServiceCall &call);
    ServiceResult specs(const ServiceCall &call);
    ServiceResult mills(const ServiceCall &call);

    QVariantList deals(int count) const;

    RouteEnv &m_env;
    ResourceCache<QVariantList> m_specs{m_env.db};
};
