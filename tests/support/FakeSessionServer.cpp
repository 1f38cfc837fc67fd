#include "FakeSessionServer.h"

#include <QHostAddress>

FakeSessionServer::FakeSessionServer(quint16 port, QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FakeSessionServer::accept);
    if (m_server.listen(QHostAddress::LocalHost, port))
        m_port = m_server.serverPort();
}

bool FakeSessionServer::listenAgain()
{
    return m_server.listen(QHostAddress::LocalHost, m_port);
}

void FakeSessionServer::accept()
{
    while (QTcpSocket *s = m_server.nextPendingConnection()) {
        ++m_connectionCount;
        m_current = s;
        m_received.clear();
        m_reading = true;
        connect(s, &QTcpSocket::readyRead, this, [this, s] {
            if (s == m_current && m_reading)
                m_received += s->readAll();
        });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }
}

void FakeSessionServer::stopReading()
{
    m_reading = false;
    if (m_current)
        m_current->setReadBufferSize(1);
}

void FakeSessionServer::send(const QByteArray &bytes)
{
    if (m_current) {
        m_current->write(bytes);
        m_current->flush();
    }
}

void FakeSessionServer::dropConnection()
{
    if (m_current)
        m_current->abort();
}

quint16 FakeSessionServer::unusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
