#pragma once

#include "core/session/FrameCodec.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpSocket>
#include <QVariantMap>
#include <initializer_list>
#include <memory>
#include <utility>

/// A bare session-channel peer for tests: writes literal frame bytes and collects the frames
/// the server sends back (type + JSON object), so tests can check the wire without the client.
class SessionPeer : public QObject
{
    Q_OBJECT
public:
    struct Frame
    {
        qint32 type = 0;
        QByteArray body;
        QVariantMap object() const;
    };

    explicit SessionPeer(QObject *parent = nullptr);

    bool connectTo(quint16 port, int timeoutMs = 5000);
    /// A peer connected to port and, when a mobile number is given, logged in with it (the
    /// answer in lastFrame()); null when either failed.
    static std::unique_ptr<SessionPeer> open(quint16 port, const QString &mobile = {},
                                             const QString &password = QStringLiteral("demo123"));
    /// Four zero bytes, the type little-endian, the body.
    static QByteArray frame(qint32 type, const QByteArray &body);
    /// Compact JSON object of string members (member order is not significant on the wire).
    static QByteArray json(std::initializer_list<std::pair<const char *, QString>> members);
    void write(const QByteArray &bytes);
    void send(qint32 type, const QByteArray &body) { write(frame(type, body)); }

    /// Logs in with the literal login frame and waits for the answer; returns its type (1 or 2,
    /// or -1 on time-out) and leaves the answer in lastFrame().
    int login(const QString &mobile, const QString &password, int timeoutMs = 5000);

    /// Waits until a frame of the given type has arrived and takes it (the oldest such one).
    bool waitFor(qint32 type, Frame *out = nullptr, int timeoutMs = 5000);
    /// Frames received and not yet taken.
    QList<Frame> &frames() { return m_frames; }
    Frame lastFrame() const { return m_last; }
    QTcpSocket &socket() { return m_socket; }
    int count(qint32 type) const;

signals:
    void frameArrived();

private:
    void readAvailable();

    QTcpSocket m_socket;
    FrameCodec m_decoder;
    QList<Frame> m_frames;
    Frame m_last;
};
