#include "SessionServer.h"

#include "MarketDatabase.h"

#include <QTcpServer>

SessionServer::SessionServer(MarketDatabase &db, QObject *parent)
    : QObject(parent), m_db(db), m_server(new QTcpServer(this))
{
}

SessionServer::~SessionServer() = default;

bool SessionServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server->listen(address, port);
}

quint16 SessionServer::port() const
{
    return m_server->serverPort();
}

void SessionServer::sendPushNotice(qint64 userId, int code)
{
    Q_UNUSED(userId);
    Q_UNUSED(code);
}
