#pragma once

#include "AttemptLimiter.h"
#include "FriendBook.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QVariantMap>

class BoundedTcpServer;
class MarketDatabase;
class SessionKeys;
class SessionClient;
struct SessionFrame;

/// The session server: one persistent TCP connection per client carrying login, logout, chat
/// relay and friend requests, plus push notices about business events. One connection per
/// user is online at a time; a second login of the same account forces the first out.
class SessionServer : public QObject
{
    Q_OBJECT
public:
    /// `idleMs`: how long a connection may stay without a login.
    SessionServer(MarketDatabase &db, SessionKeys &keys, int maxConnections, int idleMs,
                  QObject *parent = nullptr);
    ~SessionServer() override;

    /// Starts listening; port 0 picks a free one (see port()).
    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const;
    bool isOnline(qint64 userId) const { return m_online.contains(userId); }

public slots:
    /// Sends a push notice with the given code to the user's connection, if the user is online.
    void sendPushNotice(qint64 userId, int code);

private:
    void accept();
    void handle(SessionClient *client, const SessionFrame &frame);
    void dropClient(SessionClient *client);

    void login(SessionClient *client, const QVariantMap &body);
    void logout(SessionClient *client, const QVariantMap &body);
    void chat(SessionClient *client, QVariantMap body);
    void friendRequest(SessionClient *client, const QVariantMap &body);
    void friendAccept(SessionClient *client, const QVariantMap &body);
    void sendStored(SessionClient *client);
    void removeDelivered(qint64 receiverId, qint64 uptoId);

    /// Wrong passwords allowed per account and per peer address in a quarter of an hour.
    static constexpr int kWrongPasswordsPerAccount = 5;
    static constexpr int kWrongPasswordsPerPeer = 30;

    MarketDatabase &m_db;
    SessionKeys &m_keys;
    FriendBook m_friends;
    BoundedTcpServer *m_server = nullptr;
    int m_idleMs;
    AttemptLimiter m_wrongByAccount{kWrongPasswordsPerAccount, 15 * 60 * 1000};
    AttemptLimiter m_wrongByPeer{kWrongPasswordsPerPeer, 15 * 60 * 1000};
    QHash<qint64, SessionClient *> m_online;
};
