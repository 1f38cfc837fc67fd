#include "screens/im/StayWithFriendsViewController.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/Socket.h"
#include "core/util/Value.h"

#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type

namespace {
const QString kInviteType = QStringLiteral("InviteType");
}

StayWithFriendsViewController::StayWithFriendsViewController(QObject *parent) : FriendListScreen(parent) {}

void StayWithFriendsViewController::viewDidLoad()
{
    FriendListScreen::viewDidLoad();
    context().notificationCenter()->addObserver(this, NotificationNames::beijiahaoyou, [this](const Notification &) { load(); });
    load();
}

void StayWithFriendsViewController::fetch(Request *request)
{
    request->getPreFriendListWithDelegate(this);
}

QVariantMap StayWithFriendsViewController::rowFor(const QVariantMap &r) const
{
    const QVariant type = r.value(kInviteType);
    QString subtitle;
    if (!Value::isNone(type) && Value::intValue(type) == 1)
        subtitle = QStringLiteral("(收到的) 点击加为商友");
    else if (!Value::isNone(type) && Value::intValue(type) == 0)
        subtitle = QStringLiteral("(发出的) 等待对方验证");
    return {{QStringLiteral("title"), Value::text(r.value(QStringLiteral("UserName")))},
            {QStringLiteral("subtitle"), subtitle},
            {QStringLiteral("marked"), false}};
}

void StayWithFriendsViewController::didSelectRowAtIndex(int index)
{
    const QVariantMap r = shujuArr()->get(index);
    if (r.isEmpty() || Value::isNone(r.value(kInviteType)) || Value::intValue(r.value(kInviteType)) != 1)
        return;
    context().service<Socket>()->socketResponseAddFriendWithInviteeID(Value::text(r.value(QStringLiteral("LoginInfoId"))));
}
