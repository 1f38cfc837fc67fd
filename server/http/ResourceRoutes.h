#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// The seller's resources: saving, listing by state, publishing to the supermarket, directing to
/// one buyer, withdrawing; and the buyer's side of directed offers.
class ResourceRoutes
{
public:
    explicit ResourceRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult directedToMe(const ServiceCall &call);
    ServiceResult directedByMe(const ServiceCall &call);
    ServiceResult directToOrder(const ServiceCall &call);
    ServiceResult releaseDirect(const ServiceCall &call);
    ServiceResult release(const ServiceCall &call);
    ServiceResult back(const ServiceCall &call);
    ServiceResult myList(const ServiceCall &call);
    ServiceResult edit(const ServiceCall &call);

    ServiceResult listWhere(const ServiceCall &call, const QString &where, const QVariantList &params);
    /// The user's own resources among `ids` whose status is one of `states`; ids of others are
    /// reported as a failure so nothing is changed half-way.
    QList<qint64> owned(qint64 userId, const QList<qint64> &ids, const QString &states) const;

    RouteEnv &m_env;
};
