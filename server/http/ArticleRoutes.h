#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// The information centre: news, regional prices, analyst articles (some paid), mill notices
/// and research; buying a paid article with the user's steel coins.
class ArticleRoutes
{
public:
    explicit ArticleRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult news(const ServiceCall &call);
    ServiceResult regionalPrices(const ServiceCall &call);
    ServiceResult regionalMore(const ServiceCall &call);
    ServiceResult analysts(const ServiceCall &call);
    ServiceResult isPaid(const ServiceCall &call);
    ServiceResult pay(const ServiceCall &call);

    QVariantList flatRows(const ServiceCall &call, const QString &channel, qint64 newsType,
                          qint64 groupId, qint64 provinceId, int limit, int offset) const;

    RouteEnv &m_env;
};
