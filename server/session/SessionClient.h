#pragma once

#include "SessionFrame.h"
#include "core/session/FrameCodec.h"

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

    /// Bytes a client may leave unread before it is cut off; a peer that stops reading must
    /// not make the server buffer without bound.
    static constexpr qint64 kMaxUnsent = 8 * 1024 * 1024;

    qint64 userId() const { return m_userId; }
    void setUserId(qint64 id, const QString &mobile = {})
    {
        m_userId = id;
        m_mobile = mobile;
    }
    /// The mobile number of the logged-in user.
    QString mobile() const { return m_mobile; }
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
    FrameCodec m_decoder;
    qint64 m_userId = 0;
    QString m_mobile;
};
