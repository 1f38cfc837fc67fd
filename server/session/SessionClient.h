#pragma once

#include "SessionFrameDecoder.h"

#include <QObject>
#include <QVariantMap>

class QTcpSocket;

/// One connection to the session server: reassembles its frames and writes replies.
/// `userId` is 0 until a login on this connection succeeds.
class SessionClient : public QObject
{
    Q_OBJECT
public:
    SessionClient(QTcpSocket *socket, QObject *parent = nullptr);

    qint64 userId() const { return m_userId; }
    void setUserId(qint64 id) { m_userId = id; }
    QString peer() const;

    /// Writes a frame whose body is the given object as compact JSON.
    void send(qint32 type, const QVariantMap &body);
    void sendRaw(qint32 type, const QByteArray &body);

signals:
    void frameReceived(SessionClient *client, const SessionFrame &frame);
    void disconnected(SessionClient *client);

private:
    void readAvailable();

    QTcpSocket *m_socket;
    SessionFrameDecoder m_decoder;
    qint64 m_userId = 0;
};
