#pragma once

#include "FriendBook.h"
#include "RouteEnv.h"
#include "RouteTable.h"

/// The friend lists read by the chat screens (friends and pending requests).
class FriendRoutes
{
public:
    explicit FriendRoutes(RouteEnv &env) : m_env(env), m_book(env.db) {}
    void registerRoutes(RouteTable &table);

private:
    ServiceResult friends(const ServiceCall &call);
    ServiceResult pending(const ServiceCall &call);

    RouteEnv &m_env;
    FriendBook m_book;
};
