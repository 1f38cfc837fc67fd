#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

/// One decoded service call: the authentication and info blocks of its body, plus the file of a
/// picture upload. `baseUrl` ("http://host:port/") lets replies name pictures the service serves.
struct ServiceCall
{
    QString path;          ///< as requested, without the leading "/"
    QVariantMap auth;
    QVariantMap info;
    QByteArray fileBytes;  ///< multipart upload only
    QString fileName;      ///< multipart upload only
    QString baseUrl;
    QByteArray sessionKey; ///< the session key header, empty when the client sent none
    QString peer;          ///< the client's address
    qint64 caller = 0;     ///< the user the route's access rule found (0: nobody)

    /// The info member as text ("%@" of numbers, "" when missing).
    QString text(const QString &key) const;
    /// The info member as a whole number; missing or empty gives the fallback. Anything else
    /// that is not a whole number ("12 OR 1=1", "1.5") is noted in `badKeys` (the call is then
    /// refused) and gives the fallback.
    qint64 number(const QString &key, qint64 fallback = 0) const;
    /// The info member as a finite decimal; missing or empty gives 0. "NaN", "inf" and text
    /// that is not a number are noted in `badKeys` and give 0.
    double decimal(const QString &key) const;
    /// Keys whose values did not parse; a call with any is refused as a whole.
    mutable QStringList badKeys;
    bool has(const QString &key) const { return info.contains(key); }
};
