#include "SessionClient.h"

#include "core/util/JsonWriter.h"

#include <QDebug>
#include <QTcpSocket>

SessionClient::SessionClient(QTcpSocket *socket, QObject *parent)
    : QObject(parent), m_socket(socket)
{
    socket->setParent(this);
    // Frames are small and chat is interactive: do not hold them back to coalesce writes.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::readyRead, this, &SessionClient::readAvailable);
    connect(socket, &QTcpSocket::disconnected, this, [this] { emit disconnected(this); });
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
        qInfo().noquote() << "session:" << peer() << "does not read its frames; connection closed";
        m_socket->abort();
        return;
    }
    m_socket->write(FrameCodec::encode(type, body));
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
            qInfo().noquote() << "session:" << peer() << "frame body over" << m_decoder.maxBody()
                              << "bytes; connection closed";
            m_decoder.reset();
            m_socket->abort();
            return;
        }
        emit frameReceived(this, SessionFrame{frame.type, frame.body.toByteArray()});
    }
    if (const qint64 skipped = m_decoder.skippedBytes() - skippedBefore)
        qInfo().noquote() << "session:" << peer() << skipped << "bytes outside any frame skipped";
}
