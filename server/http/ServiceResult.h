#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

/// The reply every service path gives: {"errorCode": n, "message": text, "data": payload}.
struct ServiceResult
{
    int errorCode = 0;
    QString message;
    QVariant data;
    /// Members beside the three (e.g. "total" of a search), written after "data".
    QVariantMap extra;
    int httpStatus = 200;

    static ServiceResult ok(const QVariant &data = QVariantMap(), const QString &message = {});
    static ServiceResult fail(int errorCode, const QString &message, int httpStatus = 200);

    QByteArray toJson() const;
};

/// Error codes of the service. 0 is success; the client only tests for non-zero.
namespace ServiceError {
inline constexpr int Failed = 1;         ///< the call was understood but cannot be done
inline constexpr int NotLoggedIn = 2;    ///< the user id names nobody
inline constexpr int NotFound = 3;       ///< the record asked for does not exist
inline constexpr int BadInput = 4;       ///< a value is missing or out of range
inline constexpr int TooManyAttempts = 5; ///< too many wrong tries or requests; wait and retry
inline constexpr int Malformed = 100;    ///< the body is not an envelope
inline constexpr int BadToken = 101;     ///< wrong or missing token
inline constexpr int UnknownPath = 404;
inline constexpr int TooLarge = 413;     ///< the body is over the service's cap
} // namespace ServiceError
