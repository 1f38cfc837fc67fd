#include "screens/im/ChatOpener.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "core/util/MTool.h"
#include "core/util/Value.h"
#include "screens/im/SteelChatViewController.h"

namespace ChatOpener {

namespace {
QString title(const QString &name)
{
    return QStringLiteral("与 %1 交流中").arg(name);
}
QString text(const QVariantMap &m, const char *key)
{
    return Value::text(m.value(QString::fromLatin1(key)));
}
} // namespace

SteelChatViewController *open(ViewController *from, const QString &peer, const QString &resource,
                              const QString &name, bool hideRightButton)
{
    auto *chat = new SteelChatViewController;
    chat->setToPeople(peer);
    chat->setZiyuanID(resource);
    chat->setTitleString(title(name));
    chat->setHideRightButton(hideRightButton);
    if (!from->presentViewController(chat)) {
        delete chat;
        return nullptr;
    }
    return chat;
}

SteelChatViewController *openWithFriend(ViewController *from, const QVariantMap &friendRecord)
{
    const QVariantMap reminder{{QStringLiteral("LoginInfoID"), friendRecord.value(QStringLiteral("LoginInfoId"))},
                               {QStringLiteral("MobilePhone"), friendRecord.value(QStringLiteral("MobilePhone"))},
                               {QStringLiteral("UserName"), friendRecord.value(QStringLiteral("UserName"))},
                               {QStringLiteral("resourceID"), QStringLiteral("0")}};
    from->context().service<datamodel>()->addTemporaryChat(reminder);
    return open(from, text(friendRecord, "LoginInfoId"), QStringLiteral("0"), text(friendRecord, "UserName"));
}

SteelChatViewController *openFromRecent(ViewController *from, const QVariantMap &row)
{
    return open(from, text(row, "LoginInfoID"), text(row, "resourceID"), text(row, "UserName"));
}

SteelChatViewController *openEnquiry(ViewController *from, const QVariantMap &resource)
{
    const QString seller = text(resource, "LoginInfoID");
    if (!resource.isEmpty() && seller == from->context().service<UserInfo>()->userId()) {
        MTool::showAlertWithMessage(QStringLiteral("不能跟自己洽谈旺旺"));
        return nullptr;
    }
    if (resource.isEmpty())
        return nullptr;
    const QVariantMap reminder{{QStringLiteral("MobilePhone"), resource.value(QStringLiteral("mobile"))},
                               {QStringLiteral("UserName"), QStringLiteral("超市询盘")},
                               {QStringLiteral("LoginInfoID"), resource.value(QStringLiteral("LoginInfoID"))},
                               {QStringLiteral("resourceID"), resource.value(QStringLiteral("ID"))}};
    from->context().service<datamodel>()->addTemporaryChat(reminder);
    return open(from, seller, text(resource, "ID"), text(resource, "mobile"), true);
}

} // namespace ChatOpener
