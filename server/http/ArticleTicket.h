#pragma once

#include <QByteArray>

/// The signed ticket an article page address carries: the in-app reader opens the page by its
/// address and cannot send the session key, so the address itself says which reader it was
/// given to, until when, and for which article. "user.expiry.signature", the signature an
/// HMAC-SHA256 under the service's secret.
class ArticleTicket
{
public:
    static constexpr qint64 kLifetime = 24 * 3600;

    static QByteArray issue(const QByteArray &secret, qint64 userId, qint64 articleId, qint64 now);
    /// The reader the ticket was given to, or 0 when it is forged, expired or for another article.
    static qint64 reader(const QByteArray &secret, const QByteArray &ticket, qint64 articleId, qint64 now);

private:
    static QByteArray signature(const QByteArray &secret, qint64 userId, qint64 expiry, qint64 articleId);
};
