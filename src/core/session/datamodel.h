#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class AppContext;

/// The in-memory chat model: temporary chats (conversations opened with anyone, friend or not),
/// reminders (conversations with unseen messages) and the friend list as last loaded. Nothing of
/// it is stored; it lives as long as its context.
///
/// The screens share these lists rather than holding copies: they read them through the model
/// and follow its change signals, so a conversation one screen adds shows in the others.
class datamodel : public QObject
{
    Q_OBJECT
public:
    explicit datamodel(AppContext &context);

    static datamodel *instance();

    /// Temporary chats.
    const QVariantList &getData() const { return linshiliaotian; }
    void arradd(const QVariantMap &dictionary);
    /// Replaces temporary chats (an empty list for none).
    void writeData(const QVariantList &list);

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
    void conversationReminder(const QVariant &message);

    /// The reminder a message gives, or an empty map when the message lacks what it needs.
    QVariantMap reminderForMessage(const QVariantMap &message) const;

    /// A mobile number with its 4th to 8th characters hidden (as many as it has).
    static QString maskedMobile(const QString &mobile);

    /// Adds dictionary to temporary chats unless an equal one is there; true when added.
    bool addTemporaryChat(const QVariantMap &dictionary);
    /// True when a reminder equal to dictionary is waiting.
    bool hasReminder(const QVariantMap &dictionary) const;

signals:
    void temporaryChatsChanged();
    void remindersChanged();
    void friendsChanged();

private:
    AppContext &m_context;
    QVariantList linshiliaotian;
    QVariantList quanbuhaoyou;
    QVariantList xuyaotixing;
};
