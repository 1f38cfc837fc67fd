#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

/// Sits between the client and a real session server on an ephemeral loopback port and records
/// the bytes of both directions, so a test sees exactly which frames the client sent.
class SessionRelay : public QObject
{
    Q_OBJECT
public:
    explicit SessionRelay(quint16 targetPort, QObject *parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    int connectionCount() const { return m_connections; }
    /// Everything clients sent / the server answered, across connections, since the last clear().
    QByteArray fromClient() const { return m_fromClient; }
    QByteArray fromServer() const { return m_fromServer; }
    void clear();

private:
    void accept();

    QTcpServer m_server;
    quint16 m_target;
    int m_connections = 0;
    QByteArray m_fromClient;
    QByteArray m_fromServer;
};
