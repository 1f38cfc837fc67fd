#include "core/session/AccountSession.h"

#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"

bool AccountSession::autoLogin()
{
    const UserInfo *user = UserInfo::info();
    const QString tel = user->userTel();
    const QString pass = user->userPass();
    if (tel.size() != 11 || pass.isEmpty())
        return false;
    Socket::socket()->userlogin(tel, pass);
    return true;
}

void AccountSession::autoLoginReply(const QVariant &reply)
{
    const QVariantMap map = Value::map(reply);
    if (map.contains(QStringLiteral("ErrorCode"))) {
        Custom::messageWithString(Value::text(map.value(QStringLiteral("Message"))));
        UserInfo::info()->destroy();
        return;
    }
    UserInfo::info()->setBaseInfo(reply);
}

void AccountSession::observeAutoLogin(QObject *observer)
{
    NotificationCenter::defaultCenter()->addObserver(observer, NotificationNames::LoginSuccessInfo,
                                                     [](const Notification &n) { autoLoginReply(n.object); });
}

void AccountSession::logout()
{
    UserInfo *user = UserInfo::info();
    Socket::socket()->userlogout(user->userTel());
    user->destroy();
    Custom::messageWithString(QStringLiteral("已经安全的退出您的账号！"));
    datamodel *model = datamodel::instance();
    model->writeData({});
    model->xiequanbuhaoyou({});
    NotificationCenter *center = NotificationCenter::defaultCenter();
    center->postNotification(NotificationNames::shoudaoliaotian4, NotificationNames::shoudaoliaotian4);
    center->postNotification(NotificationNames::UserLogoutSystem);
    center->postNotification(NotificationNames::qingkong, NotificationNames::qingkong);
}
