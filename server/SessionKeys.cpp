#include "SessionKeys.h"

#include <QRandomGenerator>

QByteArray SessionKeys::issue(qint64 userId)
{
    revoke(userId);
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray key = QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex();
    m_users.insert(key, userId);
    m_keys.insert(userId, key);
    return key;
}

void SessionKeys::revoke(qint64 userId)
{
    const QByteArray old = m_keys.take(userId);
    if (!old.isEmpty())
        m_users.remove(old);
}
