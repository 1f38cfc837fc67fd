#include "screens/im/FriendRequest.h"

#include "app/ViewController.h"
#include "core/platform/AppContext.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"

#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type

bool FriendRequest::send(ViewController *screen, const QString &phone)
{
    if (phone == screen->context().service<UserInfo>()->userTel()) {
        Custom::messageWithString(QStringLiteral("不能添加自己为好友"));
        return false;
    }
    screen->context().service<Socket>()->socketAddFrinedWithPhone(phone);
    return true;
}
