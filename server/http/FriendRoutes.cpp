#include "FriendRoutes.h"

#include "RouteHelpers.h"

void FriendRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<FriendRoutes>(this, {
        {"IM/GetFriendList", &FriendRoutes::friends},
        {"IM/GetPreFriendList", &FriendRoutes::pending},
    });
}

ServiceResult FriendRoutes::friends(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    return ServiceResult::ok(m_book.friendsOf(*user));
}

ServiceResult FriendRoutes::pending(const ServiceCall &call)
{
    ServiceResult failure;
    const auto user = RouteHelpers::user(m_env, call, failure);
    if (!user)
        return failure;
    return ServiceResult::ok(m_book.pendingOf(*user));
}
