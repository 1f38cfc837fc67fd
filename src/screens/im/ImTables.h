#pragma once

#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"

#include <QString>

/// The names of the logged-in user's chat tables. A missing user id gives "(null)" in the
/// name, which the store answers with nothing.
namespace ImTables {

inline QString me(AppContext &context)
{
    const QString id = context.service<UserInfo>()->userId();
    return id.isEmpty() ? Value::text(QVariant()) : id;
}

/// The messages exchanged with peer.
inline QString chat(AppContext &context, const QString &peer)
{
    return QStringLiteral("chat") + me(context) + QStringLiteral("to") + peer;
}

/// The friend list as last loaded, one row per friend.
inline QString friends(AppContext &context)
{
    return QStringLiteral("friends") + me(context);
}

} // namespace ImTables
