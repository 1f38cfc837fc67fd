#pragma once

#include <QHostAddress>
#include <QObject>

class MarketDatabase;
class QTcpServer;

/// The session server: one persistent TCP connection per client, framed messages (login, logout,
/// chat relay, friend requests) and push notices about business events.
class SessionServer : public QObject
{
    Q_OBJECT
public:
    explicit SessionServer(MarketDatabase &db, QObject *parent = nullptr);
    ~SessionServer() override;

    /// Starts listening; port 0 picks a free one (see port()).
    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const;

public slots:
    /// Sends a push notice with the given code to the user's connection, if the user is online.
    void sendPushNotice(qint64 userId, int code);

private:
    MarketDatabase &m_db;
    QTcpServer *m_server = nullptr;
};
