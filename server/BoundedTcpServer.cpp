#include "BoundedTcpServer.h"

#include "ServerLog.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/resource.h>
#include <unistd.h>

BoundedTcpServer::BoundedTcpServer(const QString &name, int maxConnections, QObject *parent)
    : QTcpServer(parent), m_name(name), m_max(std::max(1, maxConnections))
{
}

bool BoundedTcpServer::listenOn(const QHostAddress &address, quint16 port)
{
    if (!listen(address, port))
        return false;
    pauseAccepting();
    m_notifier = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &BoundedTcpServer::acceptReady);
    return true;
}

void BoundedTcpServer::acceptReady()
{
    for (int i = 0; i < 64; ++i) {
        const int fd = ::accept4(int(socketDescriptor()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
                backOff(errno);
            break;
        }
        m_delayMs = 0;
        incomingConnection(fd);
    }
    if (hasPendingConnections())
        emit newConnection();
}

int BoundedTcpServer::defaultCap(int listeners)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 256;
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    const qint64 usable = qint64(std::min<rlim_t>(limit.rlim_cur, 65536)) - 64;
    return int(std::clamp<qint64>(usable / std::max(1, listeners), 8, 10000));
}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    m_delayMs = 0;
    if (m_open >= m_max) {
        // Closing at once keeps the queue moving; a queued connection would only wait to fail.
        ::close(int(descriptor));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now - m_lastRefusalLog > 1000) {
            m_lastRefusalLog = now;
            qCWarning(lcServer).noquote() << m_name << ": connection limit" << m_max << "reached; new connections closed";
        }
        return;
    }
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(int(descriptor));
        delete socket;
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    addPendingConnection(socket);
}

void BoundedTcpServer::backOff(int error)
{
    // Out of descriptors: stop asking until some connections have gone, then try again.
    m_notifier->setEnabled(false);
    m_delayMs = std::clamp(m_delayMs * 2, 50, 2000);
    qCWarning(lcServer).noquote() << m_name << ": accept failed (" << std::strerror(error)
                                  << "); retrying in" << m_delayMs << "ms";
    QTimer::singleShot(m_delayMs, this, [this] { m_notifier->setEnabled(true); });
}
