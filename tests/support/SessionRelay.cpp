#include "SessionRelay.h"

#include <QTcpSocket>

SessionRelay::SessionRelay(quint16 targetPort, QObject *parent) : QObject(parent), m_target(targetPort)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &SessionRelay::accept);
}

void SessionRelay::clear()
{
    m_connections = 0;
    m_fromClient.clear();
    m_fromServer.clear();
}

void SessionRelay::accept()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        ++m_connections;
        auto *upstream = new QTcpSocket(client);
        upstream->connectToHost(QHostAddress::LocalHost, m_target);
        // Written by the client before the upstream connection is up: held until it is.
        connect(client, &QTcpSocket::readyRead, upstream, [this, client, upstream] {
            if (upstream->state() != QAbstractSocket::ConnectedState)
                return;
            const QByteArray bytes = client->readAll();
            m_fromClient += bytes;
            upstream->write(bytes);
        });
        connect(upstream, &QTcpSocket::connected, client, [client] { emit client->readyRead(); });
        connect(upstream, &QTcpSocket::readyRead, client, [this, client, upstream] {
            const QByteArray bytes = upstream->readAll();
            m_fromServer += bytes;
            client->write(bytes);
        });
        connect(upstream, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}
