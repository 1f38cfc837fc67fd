#include "ArticleTicket.h"

#include <QCryptographicHash>
#include <QList>

QByteArray ArticleTicket::signature(const QByteArray &secret, qint64 userId, qint64 expiry, qint64 articleId)
{
    // HMAC-SHA256 written out: QMessageAuthenticationCode::hash of Qt 6.4 reads past its buffer.
    const QByteArray text = QByteArray::number(userId) + '.' + QByteArray::number(expiry) + '.' + QByteArray::number(articleId);
    QByteArray key = secret.size() > 64 ? QCryptographicHash::hash(secret, QCryptographicHash::Sha256) : secret;
    key.resize(64, '\0');
    QByteArray inner = key;
    QByteArray outer = key;
    for (qsizetype i = 0; i < 64; ++i) {
        inner[i] = char(inner[i] ^ 0x36);
        outer[i] = char(outer[i] ^ 0x5c);
    }
    QCryptographicHash in(QCryptographicHash::Sha256);
    in.addData(inner);
    in.addData(text);
    QCryptographicHash out(QCryptographicHash::Sha256);
    out.addData(outer);
    out.addData(in.result());
    return out.result().toHex();
}

QByteArray ArticleTicket::issue(const QByteArray &secret, qint64 userId, qint64 articleId, qint64 now)
{
    const qint64 expiry = now + kLifetime;
    return QByteArray::number(userId) + '.' + QByteArray::number(expiry) + '.' + signature(secret, userId, expiry, articleId);
}

qint64 ArticleTicket::reader(const QByteArray &secret, const QByteArray &ticket, qint64 articleId, qint64 now)
{
    const QList<QByteArray> parts = ticket.split('.');
    if (secret.isEmpty() || parts.size() != 3)
        return 0;
    bool userOk = false;
    bool expiryOk = false;
    const qint64 userId = parts.at(0).toLongLong(&userOk);
    const qint64 expiry = parts.at(1).toLongLong(&expiryOk);
    if (!userOk || !expiryOk || userId <= 0 || expiry < now)
        return 0;
    // Every byte is compared, so the time taken does not tell how much of a forgery matched.
    const QByteArray expected = signature(secret, userId, expiry, articleId);
    const QByteArray &given = parts.at(2);
    if (given.size() != expected.size())
        return 0;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < expected.size(); ++i)
        diff |= static_cast<unsigned char>(expected.at(i) ^ given.at(i));
    return diff == 0 ? userId : 0;
}
