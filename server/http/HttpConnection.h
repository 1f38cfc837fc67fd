#pragma once

#include "HttpMessage.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QTcpSocket;

/// One HTTP/1.1 connection of the service: reads requests one after another (keep-alive,
/// pipelining), hands each complete one to the handler and writes its answer. The limits are
/// checked while reading, before anything is parsed: a head over 64 KB is refused with 431, a
/// body announced over the cap with 413, a chunked body with 411; each such answer closes the
/// connection and what the client still sends is discarded, not kept. A connection that sends
/// nothing for the idle time is closed. "Connection: close" closes after the answer.
class HttpConnection : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    HttpConnection(QTcpSocket *socket, qint64 maxBody, int idleMs, Handler handler, QObject *parent = nullptr);

    static constexpr qsizetype kMaxHead = 64 * 1024;
    /// How long a refused body may keep arriving (and be dropped) before the connection goes.
    static constexpr int kLingerMs = 2000;

private:
    void readAvailable();
    bool takeRequest();
    bool readHead(qsizetype end);
    void refuse(int status, int errorCode, const QString &message);
    void respond(const HttpResponse &response, bool keepAlive);
    void closeWhenSent();

    QTcpSocket *m_socket;
    qint64 m_maxBody;
    Handler m_handler;
    QTimer m_idle;
    QByteArray m_buffer;
    HttpRequest m_request;
    bool m_haveHead = false;
    bool m_keepAlive = true;
    bool m_closing = false;
    bool m_lingering = false;
    qsizetype m_bodyStart = 0;
    qint64 m_bodyLength = 0;
};
