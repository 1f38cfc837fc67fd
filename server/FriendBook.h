#pragma once

#include <QVariantList>

class MarketDatabase;

/// Friendships and pending friend requests, shared by the session server (requests and
/// acceptances) and the HTTP friend lists.
class FriendBook
{
public:
    explicit FriendBook(MarketDatabase &db) : m_db(db) {}

    enum class RequestOutcome { Sent, NoSuchUser, Self, AlreadyFriends };
    /// Records a request from `inviterId` to the user with that mobile number.
    RequestOutcome request(qint64 inviterId, const QString &mobile, const QString &remark,
                           qint64 *inviteeId);
    /// Confirms a pending request; false when there was none.
    bool accept(qint64 inviterId, qint64 inviteeId);

    /// Friend records ("LoginInfoId", "UserName", "NickName", "MobilePhone", ...).
    QVariantList friendsOf(qint64 userId) const;
    /// Pending requests in both directions ("InviteType" 1 = received, 0 = sent).
    QVariantList pendingOf(qint64 userId) const;

private:
    MarketDatabase &m_db;
};
