#pragma once

#include "SessionFrame.h"
#include "core/session/FrameCodec.h"

#include <QObject>
#include <QTimer>
#include <QVariantMap>

class QTcpSocket;

/// One connection to the session server: reassembles its frames and writes replies.
/// `userId` is 0 until a login on this connection succeeds.
class SessionClient : public QObject
{
    Q_OBJECT
public:
    /// `idleMs`: how long a connection may stay without a login before it is closed.
    SessionClient(QTcpSocket *socket, int idleMs, QObject *parent = nullptr);

    /// Bytes a client may leave unread before it is cut off; a peer that stops reading must
    /// not make the server buffer without bound. Stored messages are paced well below it.
    static constexpr qint64 kMaxUnsent = 8 * 1024 * 1024;
    /// The backlog is topped up whenever less than this is waiting to go out.
    static constexpr qint64 kLowWater = 256 * 1024;

    qint64 userId() const { return m_userId; }
    void setUserId(qint64 id, const QString &mobile = {});
    /// The mobile number of the logged-in user.
    QString mobile() const { return m_mobile; }
    QString peer() const;

    /// Writes a frame whose body is the given object as compact JSON.
    void send(qint32 type, const QVariantMap &body);
    void sendRaw(qint32 type, const QByteArray &body);
    /// Bytes written but not yet handed to the system.
    qint64 unsent() const;
    QString peerAddress() const;

    /// Stored messages: while a backlog runs the client asks for more (backlogWanted) each time
    /// its queue runs low, and reports each batch once the system has taken all of it
    /// (backlogDelivered), so only rows really written are removed.
    struct StoredMessage
    {
        qint64 id = 0;
        QByteArray body;
    };
    void startBacklog();
    void endBacklog() { m_backlog = false; }
    bool backlogActive() const { return m_backlog; }
    void sendBacklog(qint64 receiverId, const QList<StoredMessage> &batch);
    qint64 backlogCursor() const { return m_cursor; }

signals:
    void frameReceived(SessionClient *client, const SessionFrame &frame);
    void disconnected(SessionClient *client);
    void backlogWanted(SessionClient *client);
    void backlogDelivered(qint64 receiverId, qint64 uptoId);

private:
    void readAvailable();
    void onBytesWritten(qint64 bytes);

    struct Mark
    {
        qint64 end = 0;  ///< the batch is out once this many bytes were written in all
        qint64 receiverId = 0;
        qint64 uptoId = 0;
    };
    QTimer m_idle;
    bool m_backlog = false;
    qint64 m_cursor = 0;
    qint64 m_queued = 0;
    qint64 m_written = 0;
    QList<Mark> m_marks;

    QTcpSocket *m_socket;
    FrameCodec m_decoder;
    qint64 m_userId = 0;
    QString m_mobile;
};
