#include "core/api/FormEnvelope.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

JsonMembers FormEnvelope::authBlock(QLatin1String tokenKey)
{
    return {
        {QStringLiteral("imei"), QStringLiteral("")},
        {QStringLiteral("imsi"), QStringLiteral("")},
        {QStringLiteral("phoneNumber"), QStringLiteral("")},
        {QStringLiteral("os"), QStringLiteral("iphone")},
        {QStringLiteral("os_version"), QStringLiteral("v4.00")},
        {QStringLiteral("app_version"), QStringLiteral("v1.2")},
        {QStringLiteral("tokenKey"), QString(tokenKey)},
    };
}

QByteArray FormEnvelope::body(const std::optional<JsonMembers> &info, QLatin1String tokenKey)
{
    auto field = [](const char *name, const JsonMembers &block) {
        return QByteArray(name) + '=' + QUrl::toPercentEncoding(QString::fromUtf8(JsonWriter::write(block)));
    };
    QByteArray out;
    if (info)
        out = field("info", *info) + '&';
    return out + field("auth", authBlock(tokenKey));
}

QUrl FormEnvelope::serviceUrl(const QString &path)
{
    return QUrl(AppContext::current()->config().serviceBaseUrl.toString() + path);
}

QUrl FormEnvelope::adviceUrl(const QString &path)
{
    return QUrl(AppContext::current()->config().adviceBaseUrl.toString() + path);
}

FormEnvelope::FormEnvelope(QObject *receiver, Callback callback)
    : QObject(AppContext::current()), m_receiver(receiver), m_hasReceiver(receiver != nullptr),
      m_callback(std::move(callback))
{
}

FormEnvelope::~FormEnvelope()
{
    if (m_reply) {
        QObject::disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

FormEnvelope *FormEnvelope::post(const QUrl &url, const std::optional<JsonMembers> &info, QLatin1String tokenKey,
                                 QObject *receiver, Callback callback)
{
    auto *envelope = new FormEnvelope(receiver, std::move(callback));
    QNetworkRequest http(url);
    http.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kContentType.data(), kContentType.size()));
    // Same bound as ordinary calls, so that a silent server cannot leave a caller waiting forever.
    http.setTransferTimeout(Request::kTimeoutMs);
    Request::addSessionKey(http);
    QNetworkReply *reply = AppContext::current()->network()->post(http, body(info, tokenKey));
    envelope->m_reply = reply;
    connect(reply, &QNetworkReply::finished, envelope, &FormEnvelope::onFinished);
    return envelope;
}

void FormEnvelope::onFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    Reply outcome;
    if (Request::isTransportFailure(reply)) {
        outcome.failed = true;
        outcome.error = Request::errorFor(reply);
    } else {
        outcome.result = Request::decodeReply(reply->readAll());
    }
    reply->deleteLater();
    if (m_callback && (!m_hasReceiver || m_receiver))
        m_callback(outcome);
    deleteLater();
}
