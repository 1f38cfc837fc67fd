#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// Crash reports and user advice; both carry the report token instead of the service token.
class ReportRoutes
{
public:
    explicit ReportRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult crashReport(const ServiceCall &call);
    ServiceResult advice(const ServiceCall &call);

    RouteEnv &m_env;
};
