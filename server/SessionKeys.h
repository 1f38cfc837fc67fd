#pragma once

#include <QByteArray>
#include <QHash>

/// Session keys: a login on the session channel issues a random key, which the client sends
/// with every service call to show whose calls they are. One key per user: a new login (here or
/// elsewhere) replaces it, a logout or a forced logout ends it, a dropped connection does not.
class SessionKeys
{
public:
    QByteArray issue(qint64 userId);
    void revoke(qint64 userId);
    /// The user the key belongs to, 0 for none.
    qint64 userFor(const QByteArray &key) const { return key.isEmpty() ? 0 : m_users.value(key); }

private:
    QHash<QByteArray, qint64> m_users;
    QHash<qint64, QByteArray> m_keys;
};
