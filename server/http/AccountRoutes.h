#pragma once

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

private:
    ServiceResult sendRegisterCode(const ServiceCall &call);
    ServiceResult sendResetCode(const ServiceCall &call);
    ServiceResult registerUser(const ServiceCall &call);
    ServiceResult changePasswordByPhone(const ServiceCall &call);
    ServiceResult changePassword(const ServiceCall &call);
    ServiceResult changeProfile(const ServiceCall &call);
    ServiceResult inviteFriends(const ServiceCall &call);

    ServiceResult sendCode(const QString &mobile, const QString &purpose);
    bool codeMatches(const QString &mobile, const QString &code, const QStringList &purposes) const;

    RouteEnv &m_env;
};
