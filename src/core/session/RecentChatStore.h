#pragma once

#include <QVariantList>
#include <QVariantMap>

class AppContext;

/// The recent conversations of the logged-in user kept on disk (table "recent" + user id), so
/// that the list a user had is there again after a restart. Each entry is stored as the chat
/// model holds it; its order and its marks are not stored but read back from the messages.
class RecentChatStore
{
public:
    explicit RecentChatStore(AppContext &context) : m_context(context) {}

    /// Keeps entry unless an equal one is kept already.
    void remember(const QVariantMap &entry);
    /// Drops every kept entry equal to entry; the conversation's messages stay.
    void forget(const QVariantMap &entry);

    struct Conversations
    {
        QVariantList chats;       ///< newest message first
        QVariantList reminders;   ///< one per unread message, as the chat model keeps them
    };
    /// The kept entries, newest conversation first, each with one reminder per message of it
    /// that is still unread.
    Conversations load() const;

private:
    QString me() const;
    QVariantList keptRows(const QString &peer) const;

    AppContext &m_context;
};
