#include "FriendBook.h"

#include "MarketDatabase.h"

FriendBook::RequestOutcome FriendBook::request(qint64 inviterId, const QString &mobile,
                                               const QString &remark, qint64 *inviteeId)
{
    const QVariant invitee = m_db.scalar(QStringLiteral("SELECT id FROM users WHERE mobile = ?"),
                                         {mobile.trimmed()});
    if (!invitee.isValid())
        return RequestOutcome::NoSuchUser;
    const qint64 id = invitee.toLongLong();
    if (inviteeId)
        *inviteeId = id;
    if (id == inviterId)
        return RequestOutcome::Self;
    if (m_db.scalar(QStringLiteral("SELECT 1 FROM friends WHERE user_id = ? AND friend_id = ?"),
                    {inviterId, id}).isValid())
        return RequestOutcome::AlreadyFriends;
    m_db.run(QStringLiteral("INSERT OR REPLACE INTO friend_requests(inviter_id, invitee_id, remark)"
                            " VALUES(?,?,?)"),
             {inviterId, id, remark});
    return RequestOutcome::Sent;
}

bool FriendBook::accept(qint64 inviterId, qint64 inviteeId)
{
    if (m_db.run(QStringLiteral("DELETE FROM friend_requests WHERE inviter_id = ? AND invitee_id = ?"),
                 {inviterId, inviteeId}) <= 0)
        return false;
    // A request the other way round is answered by this acceptance too.
    m_db.run(QStringLiteral("DELETE FROM friend_requests WHERE inviter_id = ? AND invitee_id = ?"),
             {inviteeId, inviterId});
    const QString add = QStringLiteral("INSERT OR IGNORE INTO friends(user_id, friend_id) VALUES(?,?)");
    m_db.run(add, {inviterId, inviteeId});
    m_db.run(add, {inviteeId, inviterId});
    return true;
}

QVariantList FriendBook::friendsOf(qint64 userId) const
{
    const auto rows = m_db.query(QStringLiteral(
        "SELECT u.id AS LoginInfoId, u.user_name AS UserName, u.user_name AS NickName,"
        " u.mobile AS MobilePhone, u.company_name AS CompanyName, u.province AS ProvinceName,"
        " u.city AS CityName, u.sorts AS Sorts, u.user_icon AS UserIcon"
        " FROM friends f JOIN users u ON u.id = f.friend_id WHERE f.user_id = ? ORDER BY f.created, u.id"),
        {userId});
    QVariantList out;
    for (QVariantMap row : rows) {
        row[QStringLiteral("LoginInfoId")] = row.value(QStringLiteral("LoginInfoId")).toString();
        out.append(row);
    }
    return out;
}

QVariantList FriendBook::pendingOf(qint64 userId) const
{
    const auto rows = m_db.query(QStringLiteral(
        "SELECT 1 AS InviteType, u.user_name AS UserName, u.id AS LoginInfoId,"
        " u.mobile AS MobilePhone, u.company_name AS CompanyName, r.created AS created"
        " FROM friend_requests r JOIN users u ON u.id = r.inviter_id WHERE r.invitee_id = ?"
        " UNION ALL "
        "SELECT 0, u.user_name, u.id, u.mobile, u.company_name, r.created"
        " FROM friend_requests r JOIN users u ON u.id = r.invitee_id WHERE r.inviter_id = ?"
        " ORDER BY created DESC"),
        {userId, userId});
    QVariantList out;
    for (QVariantMap row : rows) {
        row.remove(QStringLiteral("created"));
        row[QStringLiteral("LoginInfoId")] = row.value(QStringLiteral("LoginInfoId")).toString();
        out.append(row);
    }
    return out;
}
