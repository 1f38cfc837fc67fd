#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

/// One HTTP request exactly as it arrived on the wire.
struct RecordedHttpRequest
{
    QByteArray method;                              ///< "POST", "GET", ...
    QByteArray path;                                ///< the target without its query, e.g. "/Market/Search"
    QList<QPair<QByteArray, QByteArray>> headers;   ///< in arrival order, names as sent
    QByteArray body;                                ///< body bytes (by Content-Length)

    /// First header of that name (case-insensitive), empty when absent.
    QByteArray header(const QByteArray &name) const;
};

/// What the recorder answers to one path.
struct ScriptedReply
{
    enum class Action {
        Reply,            ///< send the response below
        CloseWithoutReply,///< read the request, then close the connection without a byte
        Hold,             ///< read the request and never answer (time-out tests)
    };
    Action action = Action::Reply;
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;   ///< extra headers
    bool contentLength = true;                      ///< false: no Content-Length, close ends the body
    int delayMs = 0;                                ///< answer after this delay (a timer, not a sleep)

    static ScriptedReply ok(const QByteArray &body, int status = 200);
    static ScriptedReply json(const QByteArray &jsonBody, int status = 200);
    static ScriptedReply closeWithoutReply();
    static ScriptedReply hold();
};

/// A plain loopback HTTP/1.1 server for tests: listens on 127.0.0.1 on an ephemeral port,
/// records every request byte for byte (method, target, headers, body) and answers each with
/// the reply scripted for its path (or the default reply: 200 with {"errorCode":0}).
/// Each answer closes its connection, so every request is one exchange.
///
///     RawHttpRecorder server;
///     server.setReply("Market/Search", ScriptedReply::json(R"({"errorCode":0,"data":[]})"));
///     ctx->mutableConfig().serviceBaseUrl = server.baseUrl();
///     ... start the call ...
///     QVERIFY(server.waitForRequests(1));
///     QCOMPARE(server.last().body, expectedBytes);
class RawHttpRecorder : public QObject
{
    Q_OBJECT
public:
    explicit RawHttpRecorder(QObject *parent = nullptr);
    ~RawHttpRecorder() override;

    /// "http://127.0.0.1:<port>/" (a base URL ending with "/", as the client's settings hold).
    QUrl baseUrl() const;
    /// baseUrl() + path (path without a leading "/").
    QUrl url(const QString &path) const;

    /// Scripts the answer for a path; "Market/Search" and "/Market/Search" are the same path.
    /// Matching is on the path without query, case-sensitive.
    void setReply(const QString &path, const ScriptedReply &reply);
    void setDefaultReply(const ScriptedReply &reply);

    qsizetype count() const { return m_requests.size(); }
    const RecordedHttpRequest &last() const { return m_requests.constLast(); }
    /// Requests to one path, in arrival order.
    QList<RecordedHttpRequest> requestsTo(const QString &path) const;

    /// Waits (running the event loop) until at least n requests have arrived.
    bool waitForRequests(qsizetype n, int timeoutMs = 5000);

    /// Stops listening and drops every open connection.
    void close();

signals:
    /// A request has been recorded (before its answer is sent); index into requests().
    void requestReceived(int index);

private:
    struct Pending
    {
        QByteArray buffer;
        bool answered = false;
    };
    static QByteArray normalisedPath(const QString &path);
    void onNewConnection();
    void onReadable(QTcpSocket *socket);
    bool tryParse(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const ScriptedReply &reply);
    static QByteArray buildResponse(const ScriptedReply &reply);

    QTcpServer m_server;
    QHash<QByteArray, ScriptedReply> m_replies;
    ScriptedReply m_defaultReply;
    QList<RecordedHttpRequest> m_requests;
    QHash<QTcpSocket *, Pending> m_pending;
};
