#pragma once

#include <QByteArray>
#include <QString>
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

    /// The info member as text ("%@" of numbers, "" when missing).
    QString text(const QString &key) const;
    /// The info member as an integer (lenient: "12abc" → 12, missing → fallback).
    qint64 number(const QString &key, qint64 fallback = 0) const;
    double decimal(const QString &key) const;
    bool has(const QString &key) const { return info.contains(key); }
};
