#include "SessionClient.h"
#include "ServerLog.h"

#include "core/util/JsonWriter.h"

#include <QDebug>
#include <QTcpSocket>

SessionClient::SessionClient(QTcpSocket *socket, int idleMs, QObject *parent)
    : QObject(parent), m_socket(socket)
{
    socket->setParent(this);
    // Frames are small and chat is interactive: do not hold them back to coalesce writes.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // The channel has no heartbeat: let the system notice peers that vanished while logged in.
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(socket, &QTcpSocket::readyRead, this, &SessionClient::readAvailable);
    connect(socket, &QTcpSocket::bytesWritten, this, &SessionClient::onBytesWritten);
    connect(socket, &QTcpSocket::disconnected, this, [this] { emit disconnected(this); });
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMs);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        qCInfo(lcServer).noquote() << "session:" << peer() << "no login in time; connection closed";
        m_socket->abort();
    });
    m_idle.start();
}

void SessionClient::setUserId(qint64 id, const QString &mobile)
{
    if (id != m_userId) {
        // Another user's stored messages start from their beginning.
        m_backlog = false;
        m_cursor = 0;
    }
    m_userId = id;
    m_mobile = mobile;
    // A logged-in connection is the user's presence and may rest; one without a login may not.
    if (id)
        m_idle.stop();
    else
        m_idle.start();
}

QString SessionClient::peerAddress() const
{
    return m_socket->peerAddress().toString();
}

qint64 SessionClient::unsent() const
{
    return m_socket->bytesToWrite();
}

void SessionClient::startBacklog()
{
    if (m_userId == 0)
        return;
    m_backlog = true;
    if (unsent() < kLowWater)
        emit backlogWanted(this);
}

void SessionClient::sendBacklog(qint64 receiverId, const QList<StoredMessage> &batch)
{
    for (const StoredMessage &m : batch)
        sendRaw(4, m.body);
    if (batch.isEmpty() || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    m_cursor = batch.last().id;
    m_marks.append(Mark{m_queued, receiverId, m_cursor});
}

void SessionClient::onBytesWritten(qint64 bytes)
{
    m_written += bytes;
    while (!m_marks.isEmpty() && m_marks.first().end <= m_written) {
        const Mark mark = m_marks.takeFirst();
        emit backlogDelivered(mark.receiverId, mark.uptoId);
    }
    if (m_backlog && unsent() < kLowWater)
        emit backlogWanted(this);
}

QString SessionClient::peer() const
{
    return QStringLiteral("%1:%2").arg(m_socket->peerAddress().toString()).arg(m_socket->peerPort());
}

void SessionClient::send(qint32 type, const QVariantMap &body)
{
    sendRaw(type, JsonWriter::write(QVariant(body)));
}

void SessionClient::sendRaw(qint32 type, const QByteArray &body)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_socket->bytesToWrite() > kMaxUnsent) {
        qCInfo(lcServer).noquote() << "session:" << peer() << "does not read its frames; connection closed";
        m_socket->abort();
        return;
    }
    m_queued += m_socket->write(FrameCodec::encode(type, body));
}

void SessionClient::readAvailable()
{
    const qint64 skippedBefore = m_decoder.skippedBytes();
    m_decoder.append(m_socket->readAll());
    FrameCodec::Frame frame;
    for (;;) {
        const FrameCodec::Status status = m_decoder.next(frame);
        if (status == FrameCodec::Status::NeedMore)
            break;
        if (status == FrameCodec::Status::Oversized) {
            qCInfo(lcServer).noquote() << "session:" << peer() << "frame body over" << m_decoder.maxBody()
                              << "bytes; connection closed";
            m_decoder.reset();
            m_socket->abort();
            return;
        }
        emit frameReceived(this, SessionFrame{frame.type, frame.body.toByteArray()});
    }
    if (const qint64 skipped = m_decoder.skippedBytes() - skippedBefore)
        qCInfo(lcServer).noquote() << "session:" << peer() << skipped << "bytes outside any frame skipped";
}
