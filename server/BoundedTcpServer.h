#pragma once

#include <QTcpServer>

class QSocketNotifier;

/// A listener that stays alive under a flood: it holds at most `maxConnections` open sockets
/// (a connection beyond that is closed at once instead of waiting in the queue), and when
/// accepting fails for lack of descriptors it pauses and tries again after a growing delay
/// instead of giving up for good.
class BoundedTcpServer : public QTcpServer
{
    Q_OBJECT
public:
    BoundedTcpServer(const QString &name, int maxConnections, QObject *parent = nullptr);

    /// Listens and accepts through this class's own loop: QTcpServer takes a lack of
    /// descriptors for a passing condition and retries at once, spinning the processor.
    bool listenOn(const QHostAddress &address, quint16 port);

    int openConnections() const { return m_open; }
    int maxConnections() const { return m_max; }

    /// A default cap per listener from the process's descriptor limit (raised to its hard limit
    /// first), leaving room for the database and picture files.
    static int defaultCap(int listeners);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void acceptReady();
    void backOff(int error);

    QString m_name;
    int m_max;
    int m_open = 0;
    QSocketNotifier *m_notifier = nullptr;
    int m_delayMs = 0;
    qint64 m_lastRefusalLog = 0;
};
