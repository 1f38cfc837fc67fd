#include "RouteAccess.h"

#include "MarketDatabase.h"
#include "RouteHelpers.h"
#include "SessionKeys.h"

namespace {

const QString kUserKey = QStringLiteral("loginInfoID");

ServiceResult loginFirst()
{
    return ServiceResult::fail(ServiceError::NotLoggedIn, QStringLiteral("请先登录"));
}

/// Refused objects are "not found" whether they exist or not, so ids cannot be probed.
ServiceResult notYours()
{
    return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该信息不存在或不属于您"));
}

} // namespace

RouteAccess::RouteAccess(Kind kind, const char *keys, const char *query)
    : m_kind(kind),
      m_keys(QString::fromLatin1(keys).split(QLatin1Char(','), Qt::SkipEmptyParts)),
      m_query(QString::fromLatin1(query))
{
}

std::optional<ServiceResult> RouteAccess::check(const RouteEnv &env, ServiceCall &call) const
{
    const qint64 keyHolder = env.keys ? env.keys->userFor(call.sessionKey) : 0;
    const qint64 named = call.number(kUserKey, 0);
    if (!call.badKeys.isEmpty())
        return std::nullopt; // the service refuses the values that did not parse
    const bool namesUser = named > 0
                           && env.db.scalar(QStringLiteral("SELECT 1 FROM users WHERE id = ?"), {named}).isValid();
    // With trusted user ids a call's named user stands for the key it did not send.
    const qint64 caller = keyHolder ? keyHolder : (env.trustUserIds && namesUser ? named : 0);
    switch (m_kind) {
    case Kind::Anyone:
        call.caller = caller;
        return std::nullopt;
    case Kind::NamedUserIfAny:
        if (named == 0) { // no user, "" or "0": nobody in particular
            call.caller = keyHolder;
            return std::nullopt;
        }
        [[fallthrough]];
    case Kind::NamedUser:
    case Kind::OwnKey:
        if (!namesUser)
            return loginFirst();
        if ((m_kind == Kind::OwnKey ? keyHolder : caller) != named)
            return RouteHelpers::notYourCall();
        call.caller = named;
        return std::nullopt;
    case Kind::Holder:
    case Kind::HolderOfEach:
        break;
    }
    // An object rule: a call that also names a user must name the caller.
    if (call.has(kUserKey) && named != 0 && caller && named != caller)
        return RouteHelpers::notYourCall();
    if (!caller) {
        // Trusted user ids without a named user: the check cannot be made, as before keys.
        if (env.trustUserIds)
            return std::nullopt;
        return loginFirst();
    }
    call.caller = caller;
    if (m_kind == Kind::HolderOfEach) {
        const QList<qint64> ids = RouteHelpers::ids(call, m_keys.value(0).toLatin1().constData());
        if (!call.badKeys.isEmpty())
            return std::nullopt;
        for (qint64 id : ids) {
            if (!holds(env, caller, {id}))
                return notYours();
        }
        return std::nullopt;
    }
    QVariantList params;
    for (const QString &key : m_keys)
        params.append(call.text(key).trimmed());
    return holds(env, caller, params) ? std::nullopt : std::optional<ServiceResult>(notYours());
}

bool RouteAccess::holds(const RouteEnv &env, qint64 caller, const QVariantList &params) const
{
    const QVariantMap row = env.db.queryOne(m_query, params);
    for (const QVariant &user : row) {
        if (!user.isNull() && user.toLongLong() == caller)
            return true;
    }
    return false;
}
