#include "FriendRoutes.h"

#include "RouteHelpers.h"

void FriendRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<FriendRoutes>(this, {
        {"IM/GetFriendList", &FriendRoutes::friends, RouteAccess::namedUser()},
        {"IM/GetPreFriendList", &FriendRoutes::pending, RouteAccess::namedUser()},
    });
}

ServiceResult FriendRoutes::friends(const ServiceCall &call)
{
    const qint64 user = call.caller;
    return ServiceResult::ok(m_book.friendsOf(user));
}

ServiceResult FriendRoutes::pending(const ServiceCall &call)
{
    const qint64 user = call.caller;
    return ServiceResult::ok(m_book.pendingOf(user));
}
