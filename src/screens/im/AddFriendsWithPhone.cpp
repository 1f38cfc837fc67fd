#include "screens/im/AddFriendsWithPhone.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/Socket.h"
#include "core/util/Custom.h"
#include "screens/im/FriendRequest.h"

#include <QPointer>
#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type

AddFriendsWithPhone::AddFriendsWithPhone(QObject *parent) : SuperController(parent) {}

void AddFriendsWithPhone::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("添加商友"));
}

void AddFriendsWithPhone::setPhone(const QString &phone)
{
    if (m_phone == phone)
        return;
    m_phone = phone;
    emit phoneChanged();
}

void AddFriendsWithPhone::setKeyboardShown(bool shown)
{
    if (m_keyboardShown == shown)
        return;
    m_keyboardShown = shown;
    emit keyboardShownChanged();
}

void AddFriendsWithPhone::sure()
{
    setKeyboardShown(false);
    if (!context().service<Socket>()->isConnected()) {
        Custom::messageWithString(QStringLiteral("已断开连接请重新登录"));
        return;
    }
    if (m_phone.isEmpty()) {
        Custom::messageWithString(QStringLiteral("请输入手机号码"));
        return;
    }
    if (!FriendRequest::send(this, m_phone))
        return;
    QPointer<AddFriendsWithPhone> self(this);
    context().service<Alerts>()->showAlert(QString(), QStringLiteral("已向%1发送邀请!").arg(m_phone),
                                           {QStringLiteral("回商友首页"), QStringLiteral("继续添加")},
                                           [self](int index) {
                                               if (self)
                                                   self->alertButton(index);
                                           });
}

void AddFriendsWithPhone::alertButton(int index)
{
    NotificationCenter *center = context().notificationCenter();
    center->postNotification(NotificationNames::RefreshGetPreFriendList);
    if (index == 1) {
        setPhone(QString());
        return;
    }
    center->postNotification(NotificationNames::beijiahaoyou, NotificationNames::beijiahaoyou);
    if (NavigationStack *stack = navigationController())
        stack->popToRootViewController();
}
