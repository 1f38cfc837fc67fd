#include "screens/im/FriendsDetail.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "screens/im/FriendRequest.h"

#include <QPointer>

FriendsDetail::FriendsDetail(const QVariantMap &personDict, QObject *parent)
    : SuperController(parent), m_personDict(personDict)
{
}

void FriendsDetail::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("添加商友"));
}

void FriendsDetail::sure()
{
    if (!FriendRequest::send(this, phone()))
        return;
    QPointer<FriendsDetail> self(this);
    context().service<Alerts>()->showAlert(QString(), QStringLiteral("已向 %1 发送邀请!").arg(phone()),
                                           {QStringLiteral("回商友首页"), QStringLiteral("继续添加")},
                                           [self](int index) {
                                               NavigationStack *stack = self ? self->navigationController() : nullptr;
                                               if (!stack)
                                                   return;
                                               if (index == 0)
                                                   stack->popToRootViewController();
                                               else if (index == 1)
                                                   stack->popViewController();
                                           });
}
