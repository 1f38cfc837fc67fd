#include "screens/im/SteelChatViewController.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/SqlText.h"
#include "core/session/datamodel.h"
#include "core/util/Custom.h"
#include "screens/im/FriendsInfo.h"
#include "screens/im/ImTables.h"

#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type

SteelChatViewController::SteelChatViewController(QObject *parent) : ChatTableViewController(parent) {}

QString SteelChatViewController::table() const
{
    return ImTables::chat(context(), toPeople());
}

void SteelChatViewController::viewDidLoad()
{
    ChatTableViewController::viewDidLoad();
    SQLITE *store = context().service<SQLITE>();
    const QVariantList found = store->selectSQLFromtable(ImTables::friends(context()), QStringLiteral("LoginInfoID"),
                                                         toPeople(), 1, 0, 1);
    m_rightButtonShown = !m_hideRightButton && !found.isEmpty();
    emit rightButtonShownChanged();

    m_chatManager = context().service<ChatManager>();
    m_chatManager->setToID(toPeople());
    m_chatManager->setIsChating(true);
    m_chatManager->resetBadgeValueWithLoginInfoID(toPeople());
    m_chatManager->updateBadgeValue();
    // Read now, so its mark in the recent conversations goes too, however it was opened.
    context().service<datamodel>()->readConversation(toPeople(), m_ziyuanID);

    context().notificationCenter()->addObserver(this, NotificationNames::SocketDidReceiveMessage,
                                                [this](const Notification &) { loadNewestChatMessage(); });

    // The newest page of this conversation's resource. The index on the resource column lets
    // the store jump to it instead of walking the peer's whole history.
    if (!store->colKeyFromtable(table()).isEmpty())
        store->ensureIndex(table(), QStringLiteral("ResourceID"));
    showRows(rows(QString(), QVariant(), QStringLiteral("\"id\" desc"), kPageSize));
    setFollowsNewest(true);
    setInputFocused(true);
}

QVariantList SteelChatViewController::rows(const QString &extra, const QVariant &bound, const QString &order,
                                           qint64 limit)
{
    QString condition = QStringLiteral("\"ResourceID\"=?1");
    QVariantList binds{SqlText::literalValue(m_ziyuanID)};
    if (!extra.isEmpty()) {
        condition += QStringLiteral(" and ") + extra;
        binds << bound;
    }
    return context().service<SQLITE>()->selectRows(table(), condition, binds, order, limit);
}

void SteelChatViewController::showRows(const QVariantList &rows)
{
    if (chatDataArray()->addRows(rows) > 0)
        setFollowsNewest(true);
}

void SteelChatViewController::viewWillAppear()
{
    ChatTableViewController::viewWillAppear();
    loadNewestChatMessage();
    setFollowsNewest(true);
}

void SteelChatViewController::loadNewestChatMessage()
{
    const qint64 newest = chatDataArray()->newestId();
    if (newest == 0) {
        showRows(rows(QString(), QVariant(), QStringLiteral("\"id\" desc"), kPageSize));
        return;
    }
    showRows(rows(QStringLiteral("\"id\">?2"), newest, QStringLiteral("\"id\" asc"), 0));
}

void SteelChatViewController::loadDidFinished()
{
    const qint64 oldest = chatDataArray()->oldestId();
    if (oldest > 0)
        chatDataArray()->addRows(rows(QStringLiteral("\"id\"<?2"), oldest, QStringLiteral("\"id\" desc"), kPageSize));
    ChatTableViewController::loadDidFinished();
}

void SteelChatViewController::sendButtonClicked()
{
    QString text = inputText();
    if (text.isEmpty())
        return;
    Socket *channel = context().service<Socket>();
    if (!channel->isConnected()) {
        QPointer<Socket> guard(channel);
        context().service<Alerts>()->showAlert(QString(), QStringLiteral("断开连接，是否重新连接"),
                                               {QStringLiteral("取消"), QStringLiteral("重连")}, [guard](int index) {
                                                   if (index == 1 && guard)
                                                       guard->reConnect();
                                               });
        return;
    }
    if (text.size() >= kMaxLength) {
        Custom::messageWithString(QStringLiteral("发送消息内容超长，请分条发送。"));
        return;
    }
    // The store reads "''" as one apostrophe, so a lone one is doubled before it is sent.
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    setInputText(text);
    context().service<ChatManager>()->socketSendMessage(text, toPeople(), m_ziyuanID);
    setInputText(QString());
    loadNewestChatMessage();
    context().notificationCenter()->postNotification(NotificationNames::RefreshHistoryMSGList);
}

void SteelChatViewController::gotoUserInfo()
{
    auto *info = new FriendsInfo;
    info->setLoginInfoID(toPeople());
    pushViewController(info);
}

void SteelChatViewController::popViewController()
{
    if (m_chatManager)
        m_chatManager->setIsChating(false);
    dismissViewController();
}
