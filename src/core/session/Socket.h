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
///
/// The server ties a connection to a user only by a login on it, so while the user record
/// remembers a login every connection begins with one (see resumeLogin): frames sent while the
/// link was down then reach the server on a logged-in connection, not an anonymous one.
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
    /// nothing for none. Until the connection is up the frame waits in the outgoing queue; sent
    /// between two attempts, it starts the next attempt at once.
    void startConnection(const QString &text, qint64 tag);
    /// The message type in 4 little-endian bytes if it is one of -1..39, otherwise -100.
    static qint64 socketTypeWithData(QByteArrayView data);

    /// Type 0: "Phone", "Password" (both as given) and "Platform" "2".
    void userlogin(const QString &phone, const QString &password);
    /// Logs in with the number and password the user record remembers, if it does: at once on
    /// a live connection (unless such a login is still unanswered), otherwise as the first frame
    /// of the next connection. Its answer is applied by AccountSession::rememberedLoginReply
    /// before "LoginSuccessInfo" / "LoginFailedInfo" go out, whichever screen is showing.
    /// Returns whether the record remembers a login.
    bool resumeLogin();
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

    /// Bounds of the outgoing queue; a frame beyond them is dropped (and logged).
    static constexpr int kMaxQueuedFrames = 1000;
    static constexpr qsizetype kMaxQueuedBytes = 8 * 1024 * 1024;
    /// How long a header with nothing after it waits for a body before it counts as a frame
    /// with an empty body.
    static constexpr int kBareHeaderWaitMs = 500;

private:
    struct Outgoing
    {
        qint32 type = 0;
        QByteArray frame;
        bool resume = false;   // the channel's own login; each connection makes a fresh one
    };

    void onConnected();
    bool loginQueued() const;
    void writeResumeLogin();
    void onStateChanged(int state);
    void onSocketDidDisconnect();
    void onReadyRead();
    void onBytesWritten(qint64 bytes);
    void onWriteTimeout();
    void send(qint32 type, const QByteArray &body);
    bool enqueue(Outgoing out);
    void writeNow(Outgoing out);
    void reportDismiss();
    void takeBareHeader();
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
    QTimer m_bareHeaderTimer;
    QElapsedTimer m_monotonic;
    int m_writeTimeoutMs = 20000;
    int m_connectAttempts = 0;
    bool m_starting = false;       // inside connectToHost: its own signals are handled there
    bool m_resumePending = false;  // the channel's own login is on this connection, unanswered
    std::deque<Outgoing> m_outgoing;   // waiting for the connection, in the order sent
    qsizetype m_outgoingBytes = 0;

    struct InFlight
    {
        Outgoing out;
        qint64 endOffset;   // bytes handed to the socket once this frame is in
        qint64 deadline;    // m_monotonic milliseconds
    };
    std::deque<InFlight> m_inFlight;   // written to the socket, not yet to the system
    qint64 m_handed = 0;
    qint64 m_written = 0;
};
