#pragma once

#include "RouteEnv.h"
#include "RouteTable.h"

/// The picture upload: payment vouchers for an order (type 1) and company certificates
/// (types 2, 3, 4 and 8). Pictures are kept in the picture folder and served back by URL.
class UploadRoutes
{
public:
    explicit UploadRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

    static constexpr qsizetype kMaxBytes = 8 * 1024 * 1024;

private:
    ServiceResult upload(const ServiceCall &call);

    RouteEnv &m_env;
};
