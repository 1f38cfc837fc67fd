#pragma once

#include "core/api/RequestDelegate.h"
#include "core/util/JsonWriter.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

class QNetworkReply;

/// One exchange with the HTTP service: POST "auth=<auth JSON>&info=<info JSON>" to the service
/// base URL + path, decode the reply and hand it to the delegate. A Request deletes itself once
/// its result or failure has been delivered (and hideActivity called); it is never reused.
class Request : public QObject
{
    Q_OBJECT
public:
    /// A new request with requestId 0 / with the given tag. Owned by its own exchange.
    static Request *request();
    static Request *request(int requestId);

    int requestId() const { return m_requestId; }
    void setRequestId(int id) { m_requestId = id; }
    RequestDelegate *delegate() const;
    void setDelegate(RequestDelegate *delegate);
    QNetworkReply *connection() const { return m_connection; }
    qint64 currentLength() const { return m_currentLength; }
    qint64 sumLength() const { return m_sumLength; }

    /// Sends one call; info may be empty (sent as {}). Members keep the given order.
    void startConnection(const QString &path, const JsonMembers &info);
    void startConnection(const QString &path, const QVariantMap &info);
    void startConnection(const QString &path);

    /// The authentication block, built afresh for each call.
    static JsonMembers authBlock();
    /// The exact body text for a path-independent pair of blocks (also used by tests).
    static QByteArray bodyFor(const JsonMembers &info);
    /// Reply decoding: UTF-8, every CR LF pair removed, JSON; invalid QVariant when not JSON.
    static QVariant decodeReply(const QByteArray &body);

    static constexpr int kTimeoutMs = 20000;
    /// Inactivity time-out of this exchange; tests shorten it. Set before startConnection.
    void setTimeout(int ms) { m_timeoutMs = ms; }

    /// True when the exchange itself failed (no connection, refused, reset, time-out). A reply
    /// whose head arrived counts as delivered whatever its HTTP status: its body is the result.
    static bool isTransportFailure(const QNetworkReply *reply);
    /// The platform error object for a failed exchange (time-outs reported as TimeoutError).
    static RequestError errorFor(const QNetworkReply *reply);

    ~Request() override;

    // ---- Endpoint catalogue (declared below this line) ----

private:
    explicit Request(int requestId);
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void finish();

    int m_requestId = 0;
    RequestDelegate *m_delegate = nullptr;
    QPointer<QObject> m_delegateGuard;
    bool m_delegateIsObject = false;
    QPointer<QNetworkReply> m_connection;
    QByteArray m_receiveData;
    qint64 m_currentLength = 0;
    qint64 m_sumLength = -1;
    bool m_done = false;
    bool m_started = false;
    int m_timeoutMs = kTimeoutMs;
};
