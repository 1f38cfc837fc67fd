#pragma once

#include "core/session/FrameCodec.h"
#include "core/session/ReconnectBackoff.h"

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>
#include <deque>

class AppContext;
class QTcpSocket;

/// The session channel: the client's one persistent TCP connection to the session server.
///
/// Login and logout, outgoing chat messages, friend requests and acceptances and the QR-code
/// message go out through the request operations; every frame that comes in becomes a named
/// notification (or, for a forced logout, is acted on at once). Screens never touch the socket.
///
/// The channel reconnects by itself after every disconnect: at once the first time, then with
/// a growing delay (ReconnectBackoff) while the server stays away; `reConnect()` (the shell
/// calls it on return to the foreground) tries at once. Frames are reassembled from the byte
/// stream by FrameCodec, so read boundaries do not matter.
class Socket : public QObject
{
    Q_OBJECT
public:
    /// Creating the channel starts a connection attempt.
    explicit Socket(AppContext &ctx);
    ~Socket() override;

    /// The context's channel, created (and connecting) on first use.
    static Socket *socket();

    /// 0: a socket exists already; 1: a connection attempt started; 2: the attempt could not
    /// be started (the message alert tells the user; nothing is retried on this path).
    int startConnctToServer();
    /// Connects now unless a socket exists; cancels a pending delayed attempt.
    void reConnect();
    /// Closes the connection; the channel then reconnects as after any disconnect.
    void disConnect();
    /// Frames and writes one message. Clears `outTimeCount` even when text is none, then sends
    /// nothing for none. While connecting the frame waits; with no socket it is dropped.
    void startConnection(const QString &text, qint64 tag);
    /// The message type in 4 little-endian bytes if it is one of -1..39, otherwise -100.
    static qint64 socketTypeWithData(QByteArrayView data);

    /// Type 0: "Phone", "Password" (both as given) and "Platform" "2".
    void userlogin(const QString &phone, const QString &password);
    /// Type 3: "Phone".
    void userlogout(const QString &phone);
    /// Type 4: a chat message from the logged-in user; returns the members it sent.
    QVariantMap socketSendMessage(const QString &content, const QString &to, const QString &too);
    /// Type 5: asks the owner of a mobile number to become a friend.
    void socketAddFrinedWithPhone(const QString &phone);
    /// Type 6: accepts the friend request of the given user.
    void socketResponseAddFriendWithInviteeID(const QString &inviterId);
    /// Type 32: the QR-code message.
    void fasongErWeiMa(const QString &loginInfoId, const QString &erweimazifuchuan);

    /// Handles bytes the connection delivered: every frame they complete is dispatched, in
    /// order. The transport's read callback; public so that the parsers can be driven directly.
    void didReadData(QByteArrayView bytes);

    /// The current transport socket, none between a disconnect and the next attempt.
    QTcpSocket *asyncSocket() const;
    bool isConnected() const;
    /// 0 after a send, counts frames received since; a disconnect while it is 0 is reported.
    qint64 outTimeCount() const { return m_outTimeCount; }
    void setOutTimeCount(qint64 count) { m_outTimeCount = count; }

    /// Tuning, for tests and the benchmark.
    void setBackoffPolicy(ReconnectBackoff::Policy policy) { m_backoff.setPolicy(policy); }
    void setWriteTimeoutMs(int ms) { m_writeTimeoutMs = ms; }
    void setMaxFrameBody(qsizetype bytes);
    /// Connection attempts started so far.
    int connectAttempts() const { return m_connectAttempts; }

private:
    void onConnected();
    void onStateChanged(int state);
    void onSocketDidDisconnect();
    void onReadyRead();
    void onBytesWritten(qint64 bytes);
    void onWriteTimeout();
    void send(qint32 type, const QByteArray &body);
    void writeNow(const QByteArray &frame);
    void armWriteTimer();
    void dropSocket();
    void receive(const FrameCodec::Frame &frame);
    void dispatch(qint32 rawType, const QVariant &object);
    static qint64 knownType(qint32 type);

    AppContext &m_ctx;
    QPointer<QTcpSocket> m_asyncSocket;
    qint64 m_outTimeCount = 0;
    FrameCodec m_codec;
    ReconnectBackoff m_backoff;
    QTimer m_retryTimer;
    QTimer m_writeTimer;
    QElapsedTimer m_monotonic;
    int m_writeTimeoutMs = 20000;
    int m_connectAttempts = 0;
    bool m_starting = false;       // inside connectToHost: its own signals are handled there
    QList<QByteArray> m_queued;    // frames written while the connection is being set up

    struct WriteDeadline
    {
        qint64 endOffset;   // bytes handed to the socket once this frame is in
        qint64 deadline;    // m_monotonic milliseconds
    };
    std::deque<WriteDeadline> m_deadlines;
    qint64 m_handed = 0;
    qint64 m_written = 0;
};
