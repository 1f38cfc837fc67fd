#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class AppContext;

/// The chat model: temporary chats (conversations opened with anyone, friend or not), reminders
/// (conversations with unseen messages) and the friend list as last loaded. The temporary chats
/// are also kept on disk for the logged-in user: they are rebuilt from there at login (with a
/// reminder for each unread message) and emptied, with the reminders and friends, at logout.
///
/// The screens share these lists rather than holding copies: they read them through the model
/// and follow conversationsChanged, emitted once per change a user can see (an incoming message
/// that adds a conversation and its reminder is one change).
class datamodel : public QObject
{
    Q_OBJECT
public:
    explicit datamodel(AppContext &context);

    static datamodel *instance();

    /// Temporary chats.
    const QVariantList &getData() const { return linshiliaotian; }
    void arradd(const QVariantMap &dictionary);
    /// Replaces temporary chats (an empty list for none) in memory only.
    void writeData(const QVariantList &list);
    /// Removes the conversation: every temporary chat and reminder equal to dictionary, here and
    /// on disk. Its stored messages stay.
    void removeTemporaryChat(const QVariantMap &dictionary);

    /// All friends.
    const QVariantList &dedaohaoyou() const { return quanbuhaoyou; }
    void xiequanbuhaoyou(const QVariantList &list);

    /// Reminders; the same conversation may be in it more than once, one per message.
    const QVariantList &huoqutixingarr() const { return xuyaotixing; }
    void jiarutixing(const QVariantMap &dictionary);
    /// Removes every reminder equal to dictionary.
    void shanchuduoyu(const QVariantMap &dictionary);

    /// The conversation-reminder step for an incoming chat message: finds the sender among the
    /// friends by mobile number, adds the conversation to temporary chats unless it is there,
    /// adds a reminder and posts "shoudaoliaotian4". A message lacking what the reminder needs
    /// is logged and skipped.
    /// remind false (the conversation is open) adds the conversation but no reminder.
    void conversationReminder(const QVariant &message, bool remind = true);
    /// The conversation with peer about resource was read: its reminders go.
    void readConversation(const QString &peer, const QString &resource);

    /// The reminder a message gives, or an empty map when the message lacks what it needs.
    QVariantMap reminderForMessage(const QVariantMap &message) const;

    /// A mobile number with its 4th to 8th characters hidden (as many as it has).
    static QString maskedMobile(const QString &mobile);

    /// Adds dictionary to temporary chats unless an equal one is there; true when added.
    bool addTemporaryChat(const QVariantMap &dictionary);
    /// True when a reminder equal to dictionary is waiting.
    bool hasReminder(const QVariantMap &dictionary) const;

signals:
    /// Temporary chats or reminders changed.
    void conversationsChanged();
    void friendsChanged();

private:
    /// Login rebuilds the lists of the user now logged in; logout empties them.
    void userChanged();
    bool appendChat(const QVariantMap &dictionary);

    AppContext &m_context;
    bool m_online = false;   // the lists are those of a logged-in user
    QVariantList linshiliaotian;
    QVariantList quanbuhaoyou;
    QVariantList xuyaotixing;
};
