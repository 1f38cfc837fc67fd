#include "AccountRoutes.h"
#include "ServerLog.h"

#include "MarketDatabase.h"
#include "PasswordHash.h"
#include "RouteHelpers.h"
#include "SessionKeys.h"

#include <QDebug>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

bool isMobile(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^1\\d{10}$"));
    return re.match(text).hasMatch();
}

const QString kRegister = QStringLiteral("register");
const QString kReset = QStringLiteral("reset");

} // namespace

void AccountRoutes::registerRoutes(RouteTable &table)
{
    table.addAll<AccountRoutes>(this, {
        {"User/SendCaptcha", &AccountRoutes::sendRegisterCode, RouteAccess::anyone()},
        {"User/SendCaptchaCode", &AccountRoutes::sendResetCode, RouteAccess::anyone()},
        {"User/Register", &AccountRoutes::registerUser, RouteAccess::anyone()},
        {"User/ChangePwdByPhone", &AccountRoutes::changePasswordByPhone, RouteAccess::anyone()},
        {"User/ChangePassWord", &AccountRoutes::changePassword, RouteAccess::ownKey()},
        {"User/ChangeUserImfor", &AccountRoutes::changeProfile, RouteAccess::namedUser()},
        {"Index/inviteFriends", &AccountRoutes::inviteFriends, RouteAccess::namedUser()},
    });
}

ServiceResult AccountRoutes::sendCode(const ServiceCall &call, const QString &mobile, const QString &purpose)
{
    if (m_sendsByMobile.exhausted(mobile) || m_sendsByPeer.exhausted(call.peer))
        return ServiceResult::fail(ServiceError::TooManyAttempts, QStringLiteral("验证码发送过于频繁，请稍后再试"));
    m_sendsByMobile.count(mobile);
    m_sendsByPeer.count(call.peer);
    m_wrongByMobile.clear(mobile);
    const QString code = QString::number(QRandomGenerator::global()->bounded(100000, 1000000));
    m_env.db.run(QStringLiteral("INSERT OR REPLACE INTO captchas(mobile, purpose, code, created) VALUES(?,?,?,?)"),
                 {mobile, purpose, code, RouteHelpers::now()});
    // There is no SMS gateway: with --print-codes the code goes to the log, where a tester (or a
    // test) reads it; otherwise a log that anyone may read holds no code.
    if (m_env.printCodes)
        qCInfo(lcServer).noquote() << QStringLiteral("verification code for %1: %2 (%3)").arg(mobile, code, purpose);
    else
        qCInfo(lcServer).noquote() << QStringLiteral("verification code sent to %1 (%2)").arg(mobile, purpose);
    return ServiceResult::ok(QVariantMap(), QStringLiteral("验证码已发送，请注意查收"));
}

std::optional<ServiceResult> AccountRoutes::checkCode(const ServiceCall &call, const QString &mobile,
                                                      const QStringList &purposes)
{
    if (m_wrongByMobile.exhausted(mobile) || m_wrongByPeer.exhausted(call.peer))
        return ServiceResult::fail(ServiceError::TooManyAttempts,
                                   QStringLiteral("验证码错误次数过多，请重新获取验证码"));
    const QString code = call.text(QStringLiteral("captcha")).trimmed();
    for (const QString &purpose : purposes) {
        const QVariantMap row = m_env.db.queryOne(
            QStringLiteral("SELECT code, created FROM captchas WHERE mobile = ? AND purpose = ?"), {mobile, purpose});
        if (!row.isEmpty() && !code.isEmpty() && row.value(QStringLiteral("code")).toString() == code
            && RouteHelpers::now() - row.value(QStringLiteral("created")).toLongLong() <= kCodeLifetime)
            return std::nullopt;
    }
    m_wrongByMobile.count(mobile);
    m_wrongByPeer.count(call.peer);
    qCInfo(lcServer).noquote() << "wrong verification code for" << mobile << "from" << call.peer;
    return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("验证码错误或已过期"));
}

ServiceResult AccountRoutes::sendRegisterCode(const ServiceCall &call)
{
    const QString mobile = call.text(QStringLiteral("mobile")).trimmed();
    if (!isMobile(mobile))
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("手机号码格式不正确"));
    if (m_env.db.scalar(QStringLiteral("SELECT 1 FROM users WHERE mobile = ?"), {mobile}).isValid())
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该手机号码已注册，请直接登录"));
    return sendCode(call, mobile, kRegister);
}

ServiceResult AccountRoutes::sendResetCode(const ServiceCall &call)
{
    const QString mobile = call.text(QStringLiteral("mobile")).trimmed();
    if (!isMobile(mobile))
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("手机号码格式不正确"));
    if (!m_env.db.scalar(QStringLiteral("SELECT 1 FROM users WHERE mobile = ?"), {mobile}).isValid())
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该手机号码尚未注册"));
    return sendCode(call, mobile, kReset);
}

ServiceResult AccountRoutes::registerUser(const ServiceCall &call)
{
    const QString mobile = call.text(QStringLiteral("mobile")).trimmed();
    if (const auto refusal = checkCode(call, mobile, {kRegister}))
        return *refusal;
    // The account starts without a password; the next step of registration sets it.
    if (m_env.db.run(QStringLiteral("INSERT OR IGNORE INTO users(mobile, password, user_name) VALUES(?, '', ?)"),
                     {mobile, mobile.right(4)}) != 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("该手机号码已注册，请直接登录"));
    qCInfo(lcServer).noquote() << "registered user" << m_env.db.lastInsertId() << mobile;
    return ServiceResult::ok(QVariantMap{{QStringLiteral("loginInfoID"), QString::number(m_env.db.lastInsertId())}},
                             QStringLiteral("注册成功，请设置您的登录密码"));
}

ServiceResult AccountRoutes::changePasswordByPhone(const ServiceCall &call)
{
    const QString mobile = call.text(QStringLiteral("mobile")).trimmed();
    const QString password = call.text(QStringLiteral("newPwd"));
    if (const auto refusal = checkCode(call, mobile, {kRegister, kReset}))
        return *refusal;
    if (password.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("密码不能为空"));
    if (m_env.db.run(QStringLiteral("UPDATE users SET password = ? WHERE mobile = ?"),
                     {PasswordHash::make(password), mobile}) != 1)
        return ServiceResult::fail(ServiceError::NotFound, QStringLiteral("该手机号码尚未注册"));
    return ServiceResult::ok(QVariantMap(), QStringLiteral("密码设置成功，请使用新密码登录"));
}

ServiceResult AccountRoutes::changePassword(const ServiceCall &call)
{
    const qint64 user = call.caller;
    // The call asks no old password: its access rule wants this user's own session key.
    const QString password = call.text(QStringLiteral("newPwd"));
    if (password.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("密码不能为空"));
    m_env.db.run(QStringLiteral("UPDATE users SET password = ? WHERE id = ?"), {PasswordHash::make(password), user});
    return ServiceResult::ok(QVariantMap(), QStringLiteral("密码修改成功"));
}

ServiceResult AccountRoutes::changeProfile(const ServiceCall &call)
{
    const qint64 user = call.caller;
    if (m_env.db.scalar(QStringLiteral("SELECT is_val FROM users WHERE id = ?"), {user}).toInt() == 1)
        return ServiceResult::fail(ServiceError::Failed, QStringLiteral("已认证企业的资料不能在手机上修改"));
    m_env.db.run(QStringLiteral("UPDATE users SET user_name = ?, phone = ?, province = ?, city = ?, sorts = ?, fax = ?,"
                                " email = ?, company_name = ?, address = ? WHERE id = ?"),
                 {call.text(QStringLiteral("username")), call.text(QStringLiteral("Phone")),
                  call.text(QStringLiteral("province")), call.text(QStringLiteral("city")),
                  call.text(QStringLiteral("sorts")), call.text(QStringLiteral("fax")),
                  call.text(QStringLiteral("email")), call.text(QStringLiteral("companyname")),
                  call.text(QStringLiteral("address")), user});
    return ServiceResult::ok(QVariantMap(), QStringLiteral("信息已修改完成"));
}

ServiceResult AccountRoutes::inviteFriends(const ServiceCall &call)
{
    const qint64 user = call.caller;
    const QString list = call.text(QStringLiteral("inviteList")).trimmed();
    if (list.isEmpty())
        return ServiceResult::fail(ServiceError::BadInput, QStringLiteral("请选择要邀请的联系人"));
    m_env.db.run(QStringLiteral("INSERT INTO invitations(user_id, mobile, invite_list) VALUES(?,?,?)"),
                 {user, call.text(QStringLiteral("mobileNumber")), list});
    qCInfo(lcServer).noquote() << "invitation SMS from user" << user << "to" << list;
    return ServiceResult::ok(QVariantMap(), QStringLiteral("邀请短信已发送"));
}
