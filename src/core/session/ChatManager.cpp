#include "core/session/ChatManager.h"

#include "core/platform/AppContext.h"
#include "core/platform/BadgePort.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/SoundPort.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "core/util/MTool.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"
#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type
#include <utility>

namespace {
const QString kLoginInfoID = QStringLiteral("LoginInfoID");
const QString kUnread = QStringLiteral("unread");
} // namespace

ChatManager::ChatManager(AppContext &context) : m_context(context)
{
    NotificationCenter *center = context.notificationCenter();
    center->addObserver(this, NotificationNames::InstantMessage,
                        [this](const Notification &n) { socketDidReceiveMessage(n); });
    center->addObserver(this, NotificationNames::ReceiveAddFrinedRequest,
                        [this](const Notification &n) { receivePushMessageNotification(n); });
    // The badge is the user's whose record is held: a logout, forced or not, or a remembered
    // login refused clears the record, and the next user never sees the last one's count.
    UserInfo *user = context.service<UserInfo>();
    connect(user, &UserInfo::changed, this, [this, user] {
        if (std::exchange(m_badgeUser, user->userId()) != m_badgeUser)
            updateBadgeValue();
    });
    m_badgeUser = user->userId();
    updateBadgeValue();
}

ChatManager *ChatManager::standardChatManager()
{
    return AppContext::current()->service<ChatManager>();
}

void ChatManager::setIsChating(bool chating)
{
    if (m_isChating == chating)
        return;
    m_isChating = chating;
    emit isChatingChanged();
}

void ChatManager::setToID(const QString &peer)
{
    if (m_toID == peer)
        return;
    m_toID = peer;
    emit toIDChanged();
}

QString ChatManager::me() const
{
    // "%@" of the user id: a missing id gives "(null)", which the store treats as no table. A
    // record cleared in an earlier run reads back as "", which means the same: nobody.
    const QString id = m_context.service<UserInfo>()->userId();
    return id.isEmpty() ? Value::text(QVariant()) : id;
}

QString ChatManager::historyTable() const
{
    return QStringLiteral("historyMSG") + me();
}

QString ChatManager::chatTable(const QString &peer) const
{
    return QStringLiteral("chat") + me() + QStringLiteral("to") + peer;
}

QVariantMap ChatManager::conversationRow(const QString &peer) const
{
    const QVariantList rows = m_context.service<SQLITE>()->selectSQLFromtable(historyTable(), kLoginInfoID, peer, 1, 0, 1);
    return rows.isEmpty() ? QVariantMap() : Value::map(rows.first());
}

QVariantMap ChatManager::socketSendMessage(const QString &content, const QString &to, const QString &too)
{
    const QVariantMap message = m_context.service<Socket>()->socketSendMessage(content, to, too);
    SQLITE *store = m_context.service<SQLITE>();
    // The message and its conversation row go to disk in one commit; a write that fails still
    // leaves the other in place, as each store call has always stood on its own.
    store->transaction([&] {
        store->addSQLObject(message, chatTable(Value::text(to)));
        // The user's own message leaves the conversation with no unread count at all ("").
        const QVariantMap row = MTool::tableForHistoryWithLoginInfoID(
            message.value(QStringLiteral("ReceiverID")), message.value(QStringLiteral("SendTime")),
            message.value(QStringLiteral("Content")), message.value(QStringLiteral("Type")), QString(""));
        if (!row.isEmpty())
            store->setSQLObject(row, historyTable(), kLoginInfoID);
        return true;
    });
    return message;
}

void ChatManager::socketDidReceiveMessage(const Notification &notification)
{
    // Only a dictionary is a message; a body that did not parse, or parsed to something else,
    // is dropped like a missing one.
    if (notification.object.typeId() != QMetaType::QVariantMap)
        return;
    QVariantMap message = notification.object.toMap();

    if (!m_isChating) {
        UserInfo *user = m_context.service<UserInfo>();
        SoundPort *sound = m_context.service<SoundPort>();
        if (user->zdSwitch())
            sound->playSystemSound(SoundPort::kVibrate);
        if (user->soundSwitch())
            sound->playSystemSound(SoundPort::kMessageSound);
    }

    const QVariant sender = message.value(QStringLiteral("SenderID"));
    const bool open = m_isChating && !Value::isNone(sender) && m_toID == Value::text(sender);
    if (!Value::isNone(sender)) {
        const QString peer = Value::text(sender);
        // The time of arrival, not the sender's clock, orders the conversation.
        const QString now = MTool::systemDate();
        message.insert(QStringLiteral("SendTime"), now);

        SQLITE *store = m_context.service<SQLITE>();
        // One commit for the message and its conversation row (see socketSendMessage).
        store->transaction([&] {
            store->addSQLObject(message, chatTable(peer));
            const QVariantMap previous = conversationRow(peer);
            const int unread = previous.isEmpty() ? 1 : Value::intValue(previous.value(kUnread)) + 1;
            const QVariantMap row = MTool::tableForHistoryWithLoginInfoID(
                peer, now, message.value(QStringLiteral("Content")), message.value(QStringLiteral("Type")),
                open ? QStringLiteral("0") : QString::number(unread));
            store->setSQLObject(row, historyTable(), kLoginInfoID);
            return true;
        });
        center()->postNotification(NotificationNames::SocketDidReceiveMessage);
        center()->postNotification(NotificationNames::RefreshHistoryMSGList);
    }
    updateBadgeValue();
    // Last, as the channel has always run it: the recent conversations take the message in one
    // change. A message of the open conversation is read as it arrives, so it gets no reminder.
    m_context.service<datamodel>()->conversationReminder(notification.object, !open);
}

void ChatManager::updateBadgeValue()
{
    const QString total = m_context.service<SQLITE>()->sumWithKey(kUnread, historyTable(), QString(), QVariant());
    m_context.service<BadgePort>()->setBadgeValue(total);
}

void ChatManager::resetBadgeValueWithLoginInfoID(const QString &loginInfoID)
{
    QVariantMap row = conversationRow(loginInfoID);
    if (row.isEmpty())
        return;
    row.insert(kUnread, QStringLiteral("0"));
    m_context.service<SQLITE>()->setSQLObject(row, historyTable(), kLoginInfoID);
}

void ChatManager::receivePushMessageNotification(const Notification &notification)
{
    switch (Value::intValue(notification.object)) {
    case 1:
        markOrderState(QStringLiteral("1"));
        break;
    case 2:
        markOrderState(QStringLiteral("2"));
        break;
    case 3:
    case 4:
        markOrderState(QStringLiteral("34"));
        break;
    case 5:
        center()->postNotification(NotificationNames::RefreshGetPreFriendList);
        break;
    case 6:
        center()->postNotification(NotificationNames::RefreshAllFrinedsList);
        break;
    case 7:
        center()->postNotification(NotificationNames::RefreshAllFrinedsList);
        center()->postNotification(NotificationNames::RefreshGetPreFriendList);
        break;
    default:
        break;
    }
}

void ChatManager::markOrderState(const QString &type)
{
    const QVariantMap row{{kUnread, QStringLiteral("YES")}, {QStringLiteral("type"), type}};
    m_context.service<SQLITE>()->setSQLObject(row, QStringLiteral("orderstate") + me(), QStringLiteral("type"));
    center()->postNotification(NotificationNames::MyBusinessPush);
}

NotificationCenter *ChatManager::center() const
{
    return m_context.notificationCenter();
}
