#pragma once

#include "core/api/RequestDelegate.h"
#include "core/util/JsonWriter.h"

#include <QLatin1String>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkReply;

/// The authentication and info blocks posted as URL-encoded form fields ("info", then "auth";
/// each value percent-encoded UTF-8), for the few calls that do not go through Request: query
/// conditions, origin list, friend lists, crash report, user advice. Its authentication block
/// names the client differently ("iphone", "v4.00", "v1.2") and carries the token it is given.
/// One object per post; it deletes itself after calling back.
class FormEnvelope : public QObject
{
    Q_OBJECT
public:
    /// The outcome of one post: the decoded reply (null when not JSON), or a transport failure.
    struct Reply
    {
        bool failed = false;
        QVariant result;
        RequestError error;
    };
    using Callback = std::function<void(const Reply &)>;

    static constexpr QLatin1String kContentType{"application/x-www-form-urlencoded; charset=utf-8"};

    static JsonMembers authBlock(QLatin1String tokenKey);
    /// The form body: "info=<encoded JSON>&auth=<encoded JSON>", or only the auth field.
    static QByteArray body(const std::optional<JsonMembers> &info, QLatin1String tokenKey);

    /// Service base URL / advice base URL followed by the path.
    static QUrl serviceUrl(const QString &path);
    static QUrl adviceUrl(const QString &path);

    /// Starts the post without waiting. The callback runs once, on this thread, unless the
    /// receiver (when given) has been destroyed by then.
    static FormEnvelope *post(const QUrl &url, const std::optional<JsonMembers> &info, QLatin1String tokenKey,
                              QObject *receiver, Callback callback);

    ~FormEnvelope() override;

private:
    FormEnvelope(QObject *receiver, Callback callback);
    void onFinished();

    QPointer<QObject> m_receiver;
    bool m_hasReceiver = false;
    Callback m_callback;
    QPointer<QNetworkReply> m_reply;
};
