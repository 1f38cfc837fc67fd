#include "screens/im/InviteFriend.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"

InviteFriend::InviteFriend(QObject *parent) : SuperController(parent) {}

void InviteFriend::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("邀请朋友加入"));
}

void InviteFriend::setInviteText(const QString &text)
{
    if (m_inviteText == text)
        return;
    m_inviteText = text;
    emit inviteTextChanged();
}

void InviteFriend::textViewDidBeginEditing()
{
    m_editing = true;
    if (m_inviteText == placeholder())
        m_inviteText.clear();
    emit inviteTextChanged();
}

void InviteFriend::textViewDidEndEditing()
{
    if (!m_editing)
        return;
    m_editing = false;
    if (m_inviteText.isEmpty())
        m_inviteText = placeholder();
    emit inviteTextChanged();
}

void InviteFriend::tellMyFriend()
{
    textViewDidEndEditing();
    if (!LoginGate::requireLogin(this, this))
        return;
    if (m_inviteText == placeholder()) {
        Custom::messageWithString(QStringLiteral("请至少推荐一个好友哦"));
        return;
    }
    UserInfo *user = context().service<UserInfo>();
    QString list = m_inviteText;
    list.replace(QStringLiteral("，"), QStringLiteral(","));
    Request::request()->inviteFriends(user->userId(), user->userTel(), list, this);
}

void InviteFriend::loginDidFinish(UserLogin *login)
{
    LoginGate::close(login);
}

void InviteFriend::requestDidFinish(Request *, const QVariant &result)
{
    const QVariantMap reply = Value::map(result);
    if (Value::intValue(reply.value(QStringLiteral("errorCode"))) != 0) {
        Custom::messageWithString(Value::text(reply.value(QStringLiteral("message"))));
        return;
    }
    Custom::messageWithString(QStringLiteral("尊敬的用户，您的邀请已经发送，TA安装登录后，奖金即刻到账，马上有钱！"));
}
