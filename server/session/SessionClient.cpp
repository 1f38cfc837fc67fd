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
    m_socket->write(SessionFrame{type, body}.encode());
}

void SessionClient::readAvailable()
{
    const QList<SessionFrame> frames = m_decoder.feed(m_socket->readAll());
    for (const QString &problem : m_decoder.takeProblems())
        qInfo().noquote() << "session:" << peer() << problem;
    for (const SessionFrame &frame : frames)
        emit frameReceived(this, frame);
}
