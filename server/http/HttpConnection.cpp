#include "HttpConnection.h"

#include "ServiceResult.h"

#include <QTcpSocket>
#include <QUrl>
#include <sys/socket.h>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket *socket, qint64 maxBody, int idleMs, Handler handler, QObject *parent)
    : QObject(parent), m_socket(socket), m_maxBody(maxBody), m_handler(std::move(handler))
{
    socket->setParent(this);
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMs);
    connect(&m_idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    connect(socket, &QTcpSocket::readyRead, this, &HttpConnection::readAvailable);
    connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_socket->state() == QAbstractSocket::UnconnectedState)
            deleteLater();
    });
    m_idle.start();
    if (socket->bytesAvailable() > 0)
        readAvailable();
}

void HttpConnection::readAvailable()
{
    m_idle.start();
    if (m_closing) {
        m_socket->skip(m_socket->bytesAvailable());
        return;
    }
    m_buffer += m_socket->readAll();
    while (!m_closing && takeRequest()) {
    }
}

bool HttpConnection::takeRequest()
{
    if (!m_haveHead) {
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0 || end > kMaxHead) {
            if (m_buffer.size() > kMaxHead)
                refuse(431, ServiceError::Malformed, QStringLiteral("请求头过大"));
            return false;
        }
        if (!readHead(end))
            return false;
    }
    if (m_buffer.size() - m_bodyStart < m_bodyLength)
        return false;
    m_request.body = m_buffer.mid(m_bodyStart, m_bodyLength);
    m_buffer.remove(0, m_bodyStart + m_bodyLength);
    m_haveHead = false;
    const HttpResponse response = m_handler(m_request);
    respond(response, m_keepAlive);
    return m_keepAlive;
}

bool HttpConnection::readHead(qsizetype end)
{
    const QList<QByteArray> lines = m_buffer.left(end).split('\n');
    const QList<QByteArray> start = lines.first().trimmed().split(' ');
    if (start.size() != 3 || !start.at(2).startsWith("HTTP/1.")) {
        refuse(400, ServiceError::Malformed, QStringLiteral("请求格式错误"));
        return false;
    }
    m_request = HttpRequest();
    m_request.method = start.at(0);
    m_request.peer = m_socket->peerAddress();
    const QByteArray target = start.at(1);
    const qsizetype query = target.indexOf('?');
    QString path = QUrl::fromPercentEncoding(query < 0 ? target : target.left(query));
    while (path.startsWith(u'/'))
        path.remove(0, 1);
    m_request.path = path;
    m_request.query = query < 0 ? QByteArray() : target.mid(query + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            m_request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const QByteArray connection = m_request.header("connection").toLower();
    m_keepAlive = start.at(2) == "HTTP/1.0" ? connection.contains("keep-alive") : !connection.contains("close");
    if (m_request.headers.contains("transfer-encoding")) {
        refuse(411, ServiceError::Malformed, QStringLiteral("请求须注明内容长度"));
        return false;
    }
    const QByteArray length = m_request.header("content-length");
    bool ok = true;
    m_bodyLength = length.isEmpty() ? 0 : length.toLongLong(&ok);
    if (!ok || m_bodyLength < 0) {
        refuse(400, ServiceError::Malformed, QStringLiteral("请求格式错误"));
        return false;
    }
    if (m_bodyLength > m_maxBody) {
        refuse(413, ServiceError::TooLarge, QStringLiteral("请求内容过大（上限%1MB）").arg(m_maxBody >> 20));
        return false;
    }
    m_haveHead = true;
    m_bodyStart = end + 4;
    if (m_request.header("expect").toLower() == "100-continue" && m_buffer.size() - m_bodyStart < m_bodyLength)
        m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
    return true;
}

void HttpConnection::refuse(int status, int errorCode, const QString &message)
{
    respond({status, "application/json; charset=utf-8", ServiceResult::fail(errorCode, message).toJson()}, false);
    // The client may still be sending the body it announced: closing now would reset the
    // connection and could take the answer with it. So only this side is shut once the answer
    // is out, what still arrives is dropped, and the connection goes after a short grace.
    m_lingering = true;
    QTimer::singleShot(kLingerMs, m_socket, &QTcpSocket::abort);
}

void HttpConnection::respond(const HttpResponse &response, bool keepAlive)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    m_socket->write(head + response.body);
    if (!keepAlive) {
        // Whatever the client still sends is read and dropped, so a refused body costs no memory.
        m_closing = true;
        m_buffer.clear();
        m_buffer.squeeze();
        connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::closeWhenSent);
        QMetaObject::invokeMethod(this, &HttpConnection::closeWhenSent, Qt::QueuedConnection);
    }
}

void HttpConnection::closeWhenSent()
{
    if (m_socket->bytesToWrite() > 0 || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_lingering)
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
    else
        m_socket->disconnectFromHost();
}
