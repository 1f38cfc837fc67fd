#pragma once

#include "FriendBook.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QVariantMap>

class MarketDatabase;
class QTcpServer;
class SessionClient;
struct SessionFrame;

/// The session server: one persistent TCP connection per client carrying login, logout, chat
/// relay and friend requests, plus push notices about business events. One connection per
/// user is online at a time; a second login of the same account forces the first out.
class SessionServer : public QObject
{
    Q_OBJECT
public:
    explicit SessionServer(MarketDatabase &db, QObject *parent = nullptr);
    ~SessionServer() override;

    /// Starts listening; port 0 picks a free one (see port()).
    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const;
    bool isOnline(qint64 userId) const { return m_online.contains(userId); }

    /// Frame types of the channel.
    enum Type : qint32 {
        Login = 0, LoginAccepted = 1, LoginRefused = 2, Logout = 3, ForcedLogout = 3, Chat = 4,
        FriendRequest = 5, FriendAnswer = 6, FriendConfirmed = 7, QrCode = 32, QrReply = 36,
    };

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
    void deliverStored(SessionClient *client);

    MarketDatabase &m_db;
    FriendBook m_friends;
    QTcpServer *m_server = nullptr;
    QHash<qint64, SessionClient *> m_online;
};
