#include "RawHttpRecorder.h"

#include <QTcpSocket>
#include <QTest>
#include <QTimer>

QByteArray RecordedHttpRequest::header(const QByteArray &name) const
{
    for (const auto &[k, v] : headers) {
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return v;
    }
    return {};
}

ScriptedReply ScriptedReply::ok(const QByteArray &body, int status)
{
    ScriptedReply r;
    r.status = status;
    r.body = body;
    return r;
}

ScriptedReply ScriptedReply::json(const QByteArray &jsonBody, int status)
{
    ScriptedReply r = ok(jsonBody, status);
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("application/json; charset=utf-8")));
    return r;
}

ScriptedReply ScriptedReply::closeWithoutReply()
{
    ScriptedReply r;
    r.action = Action::CloseWithoutReply;
    return r;
}

ScriptedReply ScriptedReply::hold()
{
    ScriptedReply r;
    r.action = Action::Hold;
    return r;
}

RawHttpRecorder::RawHttpRecorder(QObject *parent) : QObject(parent)
{
    m_defaultReply = ScriptedReply::json(QByteArrayLiteral("{\"errorCode\":0}"));
    connect(&m_server, &QTcpServer::newConnection, this, &RawHttpRecorder::onNewConnection);
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qWarning("RawHttpRecorder: cannot listen: %s", qPrintable(m_server.errorString()));
}

RawHttpRecorder::~RawHttpRecorder()
{
    close();
}

QUrl RawHttpRecorder::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()));
}

QUrl RawHttpRecorder::url(const QString &path) const
{
    return QUrl(baseUrl().toString() + path);
}

QByteArray RawHttpRecorder::normalisedPath(const QString &path)
{
    QByteArray p = path.toUtf8();
    if (!p.startsWith('/'))
        p.prepend('/');
    return p;
}

void RawHttpRecorder::setReply(const QString &path, const ScriptedReply &reply)
{
    m_replies.insert(normalisedPath(path), reply);
}

void RawHttpRecorder::setDefaultReply(const ScriptedReply &reply)
{
    m_defaultReply = reply;
}

QList<RecordedHttpRequest> RawHttpRecorder::requestsTo(const QString &path) const
{
    const QByteArray p = normalisedPath(path);
    QList<RecordedHttpRequest> out;
    for (const auto &r : m_requests) {
        if (r.path == p)
            out.append(r);
    }
    return out;
}

bool RawHttpRecorder::waitForRequests(qsizetype n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_requests.size() >= n; }, timeoutMs);
}

void RawHttpRecorder::close()
{
    m_server.close();
    const auto sockets = m_pending.keys();
    m_pending.clear();
    for (QTcpSocket *s : sockets) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
}

void RawHttpRecorder::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_pending.insert(socket, Pending{});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void RawHttpRecorder::onReadable(QTcpSocket *socket)
{
    auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    it->buffer.append(socket->readAll());
    if (!it->answered)
        tryParse(socket);
}

bool RawHttpRecorder::tryParse(QTcpSocket *socket)
{
    Pending &pending = m_pending[socket];
    const QByteArray &data = pending.buffer;
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;

    RecordedHttpRequest req;
    const QList<QByteArray> lines = data.left(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    req.method = requestLine.value(0);
    const QByteArray target = requestLine.value(1);
    const qsizetype q = target.indexOf('?');
    req.path = q < 0 ? target : target.left(q);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).endsWith('\r') ? lines.at(i).chopped(1) : lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            req.headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }

    const qsizetype bodyStart = headEnd + 4;
    const qsizetype length = req.header("Content-Length").toLongLong();
    if (data.size() < bodyStart + length)
        return false;
    req.body = data.mid(bodyStart, length);
    pending.answered = true;

    const ScriptedReply reply = m_replies.value(req.path, m_defaultReply);
    m_requests.append(req);
    emit requestReceived(int(m_requests.size() - 1));

    if (reply.delayMs > 0) {
        QTimer::singleShot(reply.delayMs, socket, [this, socket, reply] { answer(socket, reply); });
    } else {
        answer(socket, reply);
    }
    return true;
}

void RawHttpRecorder::answer(QTcpSocket *socket, const ScriptedReply &reply)
{
    if (!m_pending.contains(socket))
        return;
    switch (reply.action) {
    case ScriptedReply::Action::Hold:
        return;
    case ScriptedReply::Action::CloseWithoutReply:
        socket->disconnectFromHost();
        return;
    case ScriptedReply::Action::Reply:
        socket->write(buildResponse(reply));
        socket->disconnectFromHost();
        return;
    }
}

QByteArray RawHttpRecorder::buildResponse(const ScriptedReply &reply)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    for (const auto &[k, v] : reply.headers)
        out += k + ": " + v + "\r\n";
    if (reply.contentLength)
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += reply.body;
    return out;
}
