#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class AppContext;
class NotificationCenter;
struct Notification;

/// Keeps the local chat history: stores every message sent or received, keeps one conversation
/// row per peer with its unread count, plays the new-message sound or vibration, and shows the
/// unread total on the messages tab. It also turns the server's push notices into the marks the
/// business hub shows and into friend-list refreshes.
///
/// Created with the tab shell; observes "InstantMessage" and "ReceiveAddFrinedRequest" from then
/// on (a friend request arrives as push code 5), and follows who is logged in for the badge.
class ChatManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isChating READ isChating WRITE setIsChating NOTIFY isChatingChanged)
    Q_PROPERTY(QString toID READ toID WRITE setToID NOTIFY toIDChanged)
public:
    explicit ChatManager(AppContext &context);

    static ChatManager *standardChatManager();

    /// A conversation screen is open (with the peer `toID`).
    bool isChating() const { return m_isChating; }
    void setIsChating(bool chating);
    QString toID() const { return m_toID; }
    void setToID(const QString &peer);

    /// Sends content to the peer over the session channel, stores what went out and makes it the
    /// peer's last message, read. Returns the message as sent.
    QVariantMap socketSendMessage(const QString &content, const QString &to, const QString &too);
    /// An incoming chat message ("InstantMessage"; the object is the message).
    void socketDidReceiveMessage(const Notification &notification);
    /// Shows the sum of all unread counts on the messages tab.
    void updateBadgeValue();
    /// Marks the conversation with the peer read.
    void resetBadgeValueWithLoginInfoID(const QString &loginInfoID);
    /// A push notice ("ReceiveAddFrinedRequest"; the object's integer value is the code).
    void receivePushMessageNotification(const Notification &notification);

signals:
    void isChatingChanged();
    void toIDChanged();

private:
    QString me() const;
    QString historyTable() const;
    QString chatTable(const QString &peer) const;
    /// The stored conversation row of peer, or an empty map.
    QVariantMap conversationRow(const QString &peer) const;
    void markOrderState(const QString &type);
    NotificationCenter *center() const;

    AppContext &m_context;
    bool m_isChating = false;
    QString m_badgeUser;   // whose count the badge shows, so that only a change of user recounts
    QString m_toID;
};
