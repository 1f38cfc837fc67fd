#pragma once

#include "SessionPeer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

/// Many logged-in session peers chatting in a ring (client i writes to client i + 1), each
/// keeping a fixed number of messages in flight: every message received lets the receiver
/// send the next one. Counts what was sent and received, so lost messages show, and the time
/// each message took. Used by the load test (small) and the load benchmark (full size).
class SessionLoad : public QObject
{
    Q_OBJECT
public:
    struct Result
    {
        int clients = 0;
        qint64 sent = 0;
        qint64 received = 0;
        qint64 foreign = 0;  ///< messages that arrived at the wrong client
        double seconds = 0;
        double p50Ms = 0;
        double p99Ms = 0;
        qint64 lost() const { return sent - received; }
    };

    explicit SessionLoad(quint16 port, QObject *parent = nullptr);
    ~SessionLoad() override;

    /// Connects and logs in `mobiles` (all with `password`); false when any login failed.
    bool connectAll(const QStringList &mobiles, const QString &password, int timeoutMs = 30000);

    /// Chats until each client has sent `maxPerClient` messages or `durationMs` has passed,
    /// then waits up to `drainMs` for the messages still on their way.
    Result run(int inFlight, qint64 maxPerClient, int durationMs, int drainMs = 10000);

private:
    void onFrame(int index);
    void sendFrom(int index);

    quint16 m_port;
    std::vector<std::unique_ptr<SessionPeer>> m_peers;
    QStringList m_ids;
    std::vector<qint64> m_sentBy;
    QList<qint64> m_latenciesUs;
    QElapsedTimer m_clock;
    Result m_result;
    qint64 m_maxPerClient = 0;
    qint64 m_stopAtMs = 0;
    bool m_sending = false;
};
