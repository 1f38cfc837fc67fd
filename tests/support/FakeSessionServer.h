#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

/// A scripted stand-in for the session server on an ephemeral loopback port: records the bytes
/// each connection sends, writes literal bytes to the latest connection and drops it on demand.
class FakeSessionServer : public QObject
{
    Q_OBJECT
public:
    /// Listens on 127.0.0.1 with a port of the system's choosing (or the given one).
    explicit FakeSessionServer(quint16 port = 0, QObject *parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_port; }
    void stopListening() { m_server.close(); }
    /// Listens again on the same port.
    bool listenAgain();

    /// Connections accepted so far.
    int connectionCount() const { return m_connectionCount; }
    /// The latest connection, none once it has gone.
    QTcpSocket *current() const { return m_current; }
    /// Bytes received on the latest connection.
    QByteArray received() const { return m_received; }
    /// Stops reading the latest connection, so that the client's writes back up.
    void stopReading();

    void send(const QByteArray &bytes);
    /// Closes the latest connection.
    void dropConnection();

    /// A port nobody listens on (it was free a moment ago).
    static quint16 unusedPort();

private:
    void accept();

    QTcpServer m_server;
    quint16 m_port = 0;
    QPointer<QTcpSocket> m_current;
    QByteArray m_received;
    int m_connectionCount = 0;
    bool m_reading = true;
};
