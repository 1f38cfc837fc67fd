#pragma once

#include "RouteEnv.h"
#include "ServiceCall.h"
#include "ServiceResult.h"

#include <QString>
#include <QStringList>
#include <optional>

/// Who may make a call, declared with its route and checked by the service before the handler
/// runs; the handler then finds the caller in `ServiceCall::caller`. There is no default rule, so
/// a route cannot be registered without one.
///
/// Object rules name an info key (or several) and a query that, given those values, returns one
/// row of user ids: the owner, both parties, the bidder and the tender's owner. The caller must
/// be one of them. Calls that name no user find their caller from the session key.
class RouteAccess
{
public:
    enum class Kind {
        Anyone,         ///< no login needed; the caller, if the key names one, is still known
        NamedUser,      ///< "loginInfoID" must be the key holder
        NamedUserIfAny, ///< as NamedUser when the call names a user (not "" or "0"); otherwise anonymous
        OwnKey,         ///< as NamedUser, and the key is needed even where user ids are trusted
        Holder,         ///< the caller is one of the users the query returns for the named object
        HolderOfEach,   ///< as Holder for every id of a list; one id not the caller's refuses all
    };

    static RouteAccess anyone() { return RouteAccess(Kind::Anyone); }
    static RouteAccess namedUser() { return RouteAccess(Kind::NamedUser); }
    static RouteAccess namedUserIfAny() { return RouteAccess(Kind::NamedUserIfAny); }
    static RouteAccess ownKey() { return RouteAccess(Kind::OwnKey); }
    /// `keys` (comma-separated info keys) bind the query's parameters in order.
    static RouteAccess holder(const char *keys, const char *usersQuery)
    {
        return RouteAccess(Kind::Holder, keys, usersQuery);
    }
    /// `key` holds a list of ids ("1,2,3"); the query takes one id.
    static RouteAccess holderOfEach(const char *key, const char *usersQuery)
    {
        return RouteAccess(Kind::HolderOfEach, key, usersQuery);
    }

    Kind kind() const { return m_kind; }
    /// Sets `call.caller` and returns nothing when the call may go on, or the refusal.
    std::optional<ServiceResult> check(const RouteEnv &env, ServiceCall &call) const;

private:
    explicit RouteAccess(Kind kind, const char *keys = "", const char *query = "");
    bool holds(const RouteEnv &env, qint64 caller, const QVariantList &params) const;

    Kind m_kind;
    QStringList m_keys;
    QString m_query;
};
