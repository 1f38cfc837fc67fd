#include "screens/im/InviteFriend.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "screens/account/LoginGate.h"

InviteFriend::InviteFriend(QObject *parent) : SuperController(parent)
{
    // The numbers, one line of text; the placeholder stands in the input until something is typed.
    form()->add(QStringLiteral("list"), FormField::Text, QStringLiteral("请至少推荐一个好友哦"))->setPlaceholder(placeholder());
}

void InviteFriend::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("邀请朋友加入"));
}

void InviteFriend::tellMyFriend()
{
    form()->closeKeyboard();
    if (!LoginGate::requireLogin(this) || !form()->check())
        return;
    UserInfo *user = context().service<UserInfo>();
    QString list = form()->text(QStringLiteral("list"));
    list.replace(QStringLiteral("，"), QStringLiteral(","));
    Request::request()
        ->onSuccess(this, [](const QVariant &) {
            Custom::messageWithString(QStringLiteral("尊敬的用户，您的邀请已经发送，TA安装登录后，奖金即刻到账，马上有钱！"));
        })
        ->inviteFriends(user->userId(), user->userTel(), list, this);
}
