#include "SessionLoad.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <algorithm>

SessionLoad::SessionLoad(quint16 port, QObject *parent) : QObject(parent), m_port(port) {}

SessionLoad::~SessionLoad() = default;

bool SessionLoad::connectAll(const QStringList &mobiles, const QString &password, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (const QString &mobile : mobiles) {
        auto peer = std::make_unique<SessionPeer>();
        if (!peer->connectTo(m_port, int(qMax<qint64>(1, deadline.remainingTime()))))
            return false;
        if (peer->login(mobile, password, int(qMax<qint64>(1, deadline.remainingTime()))) != 1)
            return false;
        m_ids << peer->lastFrame().object().value(QStringLiteral("LoginInfoID")).toString();
        const int index = int(m_peers.size());
        connect(peer.get(), &SessionPeer::frameArrived, this, [this, index] { onFrame(index); });
        m_peers.push_back(std::move(peer));
    }
    m_sentBy.assign(m_peers.size(), 0);
    return true;
}

void SessionLoad::sendFrom(int index)
{
    if (!m_sending || m_sentBy[index] >= m_maxPerClient || m_clock.elapsed() >= m_stopAtMs)
        return;
    const int to = (index + 1) % int(m_peers.size());
    // The content carries the receiver's index and the send time, so the receiver can tell a
    // misdelivered message and how long it took.
    const QString content = QStringLiteral("%1:%2").arg(to).arg(m_clock.nsecsElapsed() / 1000);
    m_peers[index]->send(4, SessionPeer::json({{"Type", QStringLiteral("2")}, {"SenderID", m_ids.at(index)},
                                               {"ReceiverID", m_ids.at(to)}, {"SendTime", QStringLiteral("0")},
                                               {"Content", content}, {"ResourceID", QStringLiteral("0")},
                                               {"SenderMobileNumber", QString()}}));
    ++m_sentBy[index];
    ++m_result.sent;
}

void SessionLoad::onFrame(int index)
{
    auto &frames = m_peers[index]->frames();
    while (!frames.isEmpty()) {
        const SessionPeer::Frame frame = frames.takeFirst();
        if (frame.type != 4)
            continue;
        const QStringList parts = frame.object().value(QStringLiteral("Content")).toString().split(u':');
        if (parts.size() != 2 || parts.at(0).toInt() != index) {
            ++m_result.foreign;
            continue;
        }
        ++m_result.received;
        m_latenciesUs.append(m_clock.nsecsElapsed() / 1000 - parts.at(1).toLongLong());
        sendFrom(index);
    }
}

SessionLoad::Result SessionLoad::run(int inFlight, qint64 maxPerClient, int durationMs, int drainMs)
{
    m_result = Result();
    m_result.clients = int(m_peers.size());
    m_latenciesUs.clear();
    m_maxPerClient = maxPerClient;
    m_stopAtMs = durationMs;
    m_sending = true;
    m_clock.start();
    for (int k = 0; k < inFlight; ++k)
        for (int i = 0; i < int(m_peers.size()); ++i)
            sendFrom(i);
    // Runs the event loop until sending has stopped and everything sent has arrived.
    auto busy = [this] {
        const bool allSent = std::all_of(m_sentBy.begin(), m_sentBy.end(), [this](qint64 n) { return n >= m_maxPerClient; });
        return !(allSent || m_clock.elapsed() >= m_stopAtMs) || m_result.received + m_result.foreign < m_result.sent;
    };
    QDeadlineTimer hardStop(durationMs + drainMs);
    QEventLoop loop;
    QTimer check;
    connect(&check, &QTimer::timeout, &loop, [&] {
        if (!busy() || hardStop.hasExpired())
            loop.quit();
    });
    check.start(20);
    loop.exec();
    m_sending = false;
    m_result.seconds = m_clock.elapsed() / 1000.0;
    std::sort(m_latenciesUs.begin(), m_latenciesUs.end());
    if (!m_latenciesUs.isEmpty()) {
        m_result.p50Ms = m_latenciesUs.at(m_latenciesUs.size() / 2) / 1000.0;
        m_result.p99Ms = m_latenciesUs.at(qMin(m_latenciesUs.size() - 1, m_latenciesUs.size() * 99 / 100)) / 1000.0;
    }
    return m_result;
}
