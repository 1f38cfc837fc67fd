#include "core/api/Request.h"

#include "core/api/ServiceToken.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/JsonReader.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

Request *Request::request()
{
    return new Request(0);
}

Request *Request::request(int requestId)
{
    return new Request(requestId);
}

// Parented to the context so that an exchange still running when the context goes (a test case
// ending, the app quitting) is cleaned up with it.
Request::Request(int requestId) : QObject(AppContext::current()), m_requestId(requestId) {}

Request::~Request()
{
    if (m_connection) {
        // Nobody is left to deliver to: drop the exchange without letting it call back.
        QObject::disconnect(m_connection, nullptr, this, nullptr);
        m_connection->abort();
        m_connection->deleteLater();
    }
}

Request *Request::onSuccess(QObject *context, SuccessHandler handler)
{
    connect(this, &Request::didFinish, context, [handler = std::move(handler)](const QVariant &result) {
        const ServiceReply reply = ServiceReply::unwrap(result);
        if (reply.alertUnlessOk())
            handler(reply.data);
    });
    return this;
}

Request *Request::onReply(QObject *context, ReplyHandler handler)
{
    connect(this, &Request::didFinish, context,
            [handler = std::move(handler)](const QVariant &result) { handler(ServiceReply::unwrap(result)); });
    return this;
}

Request *Request::onFailure(QObject *context, FailureHandler handler)
{
    connect(this, &Request::didFail, context, std::move(handler));
    return this;
}

RequestDelegate *Request::delegate() const
{
    return m_delegate.get();
}

void Request::setDelegate(RequestDelegate *delegate)
{
    m_delegate.set(delegate);
}

JsonMembers Request::authBlock()
{
    return {
        {QStringLiteral("imei"), QStringLiteral("")},
        {QStringLiteral("imsi"), QStringLiteral("")},
        {QStringLiteral("phoneNumber"), QStringLiteral("")},
        {QStringLiteral("os"), QStringLiteral("iOS")},
        {QStringLiteral("os_version"), AppContext::current()->config().osVersion},
        {QStringLiteral("app_version"), QStringLiteral("v1.0")},
        {QStringLiteral("tokenKey"), QString(ServiceToken::kService)},
    };
}

QByteArray Request::bodyFor(const JsonMembers &info)
{
    // The JSON texts go in as they are: no percent-encoding, so "&", "=", "+" inside values
    // reach the service unchanged (it splits at the first "&info=").
    return QByteArrayLiteral("auth=") + JsonWriter::write(authBlock()) + QByteArrayLiteral("&info=")
           + JsonWriter::write(info);
}

QVariant Request::decodeReply(const QByteArray &body)
{
    // The service breaks long replies with CR LF, sometimes inside strings; only the pair goes.
    // Both are ASCII, so removing them from the bytes is the same as from the text, and the
    // reader checks the UTF-8 as it parses.
    QByteArray text = body;
    text.replace("\r\n", "");
    return JsonReader::read(text);
}

void Request::startConnection(const QString &path)
{
    startConnection(path, JsonMembers{});
}

void Request::startConnection(const QString &path, const QVariantMap &info)
{
    JsonMembers members;
    members.reserve(info.size());
    for (auto it = info.begin(); it != info.end(); ++it)
        members.append({it.key(), it.value()});
    startConnection(path, members);
}

void Request::startConnection(const QString &path, const JsonMembers &info)
{
    QNetworkRequest http(serviceUrl(path));
    http.setTransferTimeout(m_timeoutMs);
    // The same content type the platform gives any POST body; stating it keeps Qt from warning.
    http.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    post(http, bodyFor(info), true);
}

QUrl Request::serviceUrl(const QString &path)
{
    return QUrl(AppContext::current()->config().serviceBaseUrl.toString() + path);
}

void Request::addSessionKey(QNetworkRequest &http)
{
    const QString key = UserInfo::info()->sessionKey();
    if (!key.isEmpty())
        http.setRawHeader(kSessionKeyHeader, key.toLatin1());
}

void Request::post(const QNetworkRequest &http, const QByteArray &body, bool showActivity)
{
    if (m_started) {
        qCWarning(lcApi) << "Request: a request carries one exchange; ignoring a second call to" << http.url();
        return;
    }
    m_started = true;

    m_receiveData = QByteArray();
    m_currentLength = 0;
    m_sumLength = -1;
    QNetworkRequest withKey(http);
    addSessionKey(withKey);
    QNetworkReply *reply = AppContext::current()->network()->post(withKey, body);
    m_connection = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, &Request::onMetaData);
    connect(reply, &QNetworkReply::readyRead, this, &Request::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &Request::onFinished);

    if (RequestDelegate *d = delegate())
        d->requestWillStart(this);
    if (!showActivity)
        return;
    if (RequestDelegate *d = delegate())
        d->showActivity();
}

void Request::onMetaData()
{
    // A new response head (also after a redirect) starts a fresh body.
    m_currentLength = 0;
    const QVariant length = m_connection ? m_connection->header(QNetworkRequest::ContentLengthHeader) : QVariant();
    m_sumLength = length.isValid() ? length.toLongLong() : -1;
    m_receiveData.clear();
}

void Request::onReadyRead()
{
    if (!m_connection)
        return;
    const QByteArray piece = m_connection->readAll();
    if (piece.isEmpty())
        return;
    m_currentLength += piece.size();
    m_receiveData.append(piece);
    if (RequestDelegate *d = delegate())
        d->requestProgress(this, m_sumLength > 0 ? double(m_currentLength) / double(m_sumLength) : 0.0);
}

void Request::onFinished()
{
    if (m_done)
        return;
    m_done = true;
    QNetworkReply *reply = m_connection;
    if (reply && reply->bytesAvailable() > 0)
        onReadyRead();

    if (!reply || isTransportFailure(reply)) {
        const RequestError error = reply ? errorFor(reply) : RequestError{};
        if (RequestDelegate *d = delegate())
            d->requestDidFail(this, error);
        emit didFail(error);
    } else {
        const QVariant result = decodeReply(m_receiveData);
        if (RequestDelegate *d = delegate())
            d->requestDidFinish(this, result);
        emit didFinish(result);
    }
    // Looked up again: the delegate may have gone away inside the callback.
    if (RequestDelegate *d = delegate())
        d->hideActivity();
    finish();
}

void Request::finish()
{
    if (m_connection) {
        QObject::disconnect(m_connection, nullptr, this, nullptr);
        m_connection->deleteLater();
        m_connection = nullptr;
    }
    deleteLater();
}

bool Request::isTransportFailure(const QNetworkReply *reply)
{
    const QNetworkReply::NetworkError code = reply->error();
    if (code == QNetworkReply::NoError)
        return false;
    // Qt turns HTTP error statuses into errors of the content (2xx) and server (4xx) groups;
    // when a status line arrived those are answers, not failures.
    const bool statusError = (code >= QNetworkReply::ContentAccessDenied && code <= QNetworkReply::UnknownContentError)
                             || (code >= QNetworkReply::InternalServerError && code <= QNetworkReply::UnknownServerError)
                             || code == QNetworkReply::ProtocolInvalidOperationError;
    const bool headArrived = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    return !(statusError && headArrived);
}

RequestError Request::errorFor(const QNetworkReply *reply)
{
    RequestError error;
    error.code = reply->error();
    error.message = reply->errorString();
    // The client never cancels an exchange it still listens to, so a cancel is the time-out.
    if (error.code == QNetworkReply::OperationCanceledError)
        error.code = QNetworkReply::TimeoutError;
    return error;
}
