#pragma once

#include <optional>

#include "AttemptLimiter.h"
#include "RouteEnv.h"
#include "RouteTable.h"

/// Registration and passwords by verification code, password change, profile editing and
/// friend invitations by SMS.
class AccountRoutes
{
public:
    explicit AccountRoutes(RouteEnv &env) : m_env(env) {}
    void registerRoutes(RouteTable &table);

    /// Codes stay valid this long, so the registration and reset flows may use one code twice.
    static constexpr qint64 kCodeLifetime = 30 * 60;
    /// A code dies after this many wrong tries; only a new code helps then.
    static constexpr int kWrongCodeTries = 5;

private:
    ServiceResult sendRegisterCode(const ServiceCall &call);
    ServiceResult sendResetCode(const ServiceCall &call);
    ServiceResult registerUser(const ServiceCall &call);
    ServiceResult changePasswordByPhone(const ServiceCall &call);
    ServiceResult changePassword(const ServiceCall &call);
    ServiceResult changeProfile(const ServiceCall &call);
    ServiceResult inviteFriends(const ServiceCall &call);

    ServiceResult sendCode(const ServiceCall &call, const QString &mobile, const QString &purpose);
    /// Empty when the code is right; otherwise the refusal to answer with.
    std::optional<ServiceResult> checkCode(const ServiceCall &call, const QString &mobile,
                                           const QStringList &purposes);

    RouteEnv &m_env;
    AttemptLimiter m_wrongByMobile{kWrongCodeTries, 30 * 60 * 1000};
    AttemptLimiter m_wrongByPeer{30, 30 * 60 * 1000};
    AttemptLimiter m_sendsByMobile{1, 60 * 1000};
    AttemptLimiter m_sendsByPeer{20, 10 * 60 * 1000};
};
