#include "core/session/AccountSession.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"

bool AccountSession::autoLogin()
{
    // Checked before the channel is asked for, so that nothing connects without a login to make.
    return UserInfo::info()->hasRememberedLogin() && Socket::socket()->resumeLogin();
}

void AccountSession::rememberedLoginReply(AppContext &ctx, const QVariant &reply)
{
    UserInfo *user = ctx.service<UserInfo>();
    const QVariantMap map = Value::map(reply);
    if (!map.contains(QStringLiteral("ErrorCode"))) {
        user->setBaseInfo(reply);
        return;
    }
    Custom::messageWithString(Value::text(map.value(QStringLiteral("Message"))));
    const bool wasOnline = user->isOnline();
    user->destroy();
    if (wasOnline)
        ctx.notificationCenter()->postNotification(NotificationNames::UserLogoutSystem);
}

void AccountSession::logout()
{
    UserInfo *user = UserInfo::info();
    Socket::socket()->userlogout(user->userTel());
    user->destroy();
    Custom::messageWithString(QStringLiteral("已经安全的退出您的账号！"));
    NotificationCenter *center = NotificationCenter::defaultCenter();
    center->postNotification(NotificationNames::shoudaoliaotian4, NotificationNames::shoudaoliaotian4);
    center->postNotification(NotificationNames::UserLogoutSystem);
    center->postNotification(NotificationNames::qingkong, NotificationNames::qingkong);
}
