#include "SessionServer.h"
#include "ServerLog.h"

#include "BoundedTcpServer.h"
#include "MarketDatabase.h"
#include "PasswordHash.h"
#include "SessionClient.h"
#include "SessionKeys.h"
#include "UserRecord.h"
#include "core/session/FrameType.h"
#include "core/session/PushNotice.h"
#include "core/util/JsonReader.h"
#include "core/util/JsonWriter.h"
#include "core/util/Value.h"

#include <QDateTime>
#include <QDebug>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QString str(const QVariantMap &body, const char *key)
{
    const QVariant v = body.value(QString::fromLatin1(key));
    return Value::isNone(v) ? QString() : Value::text(v);
}

QVariantMap refusal(const QString &message)
{
    return {{QStringLiteral("ErrorCode"), QStringLiteral("1")}, {QStringLiteral("Message"), message}};
}

} // namespace

SessionServer::SessionServer(MarketDatabase &db, SessionKeys &keys, int maxConnections, int idleMs,
                             QObject *parent)
    : QObject(parent), m_db(db), m_keys(keys), m_friends(db),
      m_server(new BoundedTcpServer(QStringLiteral("session"), maxConnections, this)), m_idleMs(idleMs)
{
    connect(m_server, &QTcpServer::newConnection, this, &SessionServer::accept);
}

SessionServer::~SessionServer() = default;

bool SessionServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server->listenOn(address, port);
}

quint16 SessionServer::port() const
{
    return m_server->serverPort();
}

void SessionServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto *client = new SessionClient(socket, m_idleMs, this);
        connect(client, &SessionClient::frameReceived, this, &SessionServer::handle);
        connect(client, &SessionClient::disconnected, this, &SessionServer::dropClient);
        connect(client, &SessionClient::backlogWanted, this, &SessionServer::sendStored);
        connect(client, &SessionClient::backlogDelivered, this, &SessionServer::removeDelivered);
    }
}

void SessionServer::dropClient(SessionClient *client)
{
    if (client->userId() && m_online.value(client->userId()) == client)
        m_online.remove(client->userId());
    client->deleteLater();
}

void SessionServer::handle(SessionClient *client, const SessionFrame &frame)
{
    const QVariant parsed = JsonReader::read(frame.body);
    if (parsed.typeId() != QMetaType::QVariantMap) {
        qCInfo(lcServer).noquote() << "session:" << client->peer() << "type" << frame.type
                          << "body is not a JSON object; dropped";
        return;
    }
    const QVariantMap body = parsed.toMap();
    switch (frame.type) {
    case FrameType::Login: login(client, body); break;
    case FrameType::Logout: logout(client, body); break;
    case FrameType::Chat: chat(client, body); break;
    case FrameType::FriendRequest: friendRequest(client, body); break;
    case FrameType::FriendAnswer: friendAccept(client, body); break;
    case FrameType::QrCode:
        client->send(FrameType::QrReply, {{QStringLiteral("Msg"), QStringLiteral("二维码已收到")}});
        break;
    default:
        qCInfo(lcServer).noquote() << "session:" << client->peer() << "unknown frame type" << frame.type;
    }
}

void SessionServer::login(SessionClient *client, const QVariantMap &body)
{
    const QString phone = str(body, "Phone");
    const QString password = str(body, "Password");
    if (phone.isEmpty() || password.isEmpty()) {
        client->send(FrameType::LoginRefused, refusal(QStringLiteral("手机号码和密码不能为空")));
        return;
    }
    if (m_wrongByAccount.exhausted(phone) || m_wrongByPeer.exhausted(client->peerAddress())) {
        qCInfo(lcServer).noquote() << "session: login for" << phone << "from" << client->peer()
                                   << "refused: too many wrong passwords";
        client->send(FrameType::LoginRefused, refusal(QStringLiteral("密码错误次数过多，请15分钟后再试")));
        return;
    }
    const QVariantMap row = m_db.queryOne(QStringLiteral("SELECT * FROM users WHERE mobile = ?"), {phone});
    if (row.isEmpty() || !PasswordHash::verify(password, row.value(QStringLiteral("password")).toString())) {
        m_wrongByAccount.count(phone);
        m_wrongByPeer.count(client->peerAddress());
        qCInfo(lcServer).noquote() << "session: login refused for" << phone;
        client->send(FrameType::LoginRefused, refusal(QStringLiteral("手机号码或密码错误")));
        return;
    }
    m_wrongByAccount.clear(phone);
    const qint64 userId = row.value(QStringLiteral("id")).toLongLong();
    // Switching accounts on one connection leaves the previous one offline.
    if (client->userId() && client->userId() != userId && m_online.value(client->userId()) == client)
        m_online.remove(client->userId());
    SessionClient *previous = m_online.value(userId);
    if (previous && previous != client) {
        previous->send(FrameType::ForcedLogout, {{QStringLiteral("Message"),
                                       QStringLiteral("您的账号已于其它设备登录，您被迫下线！")}});
        previous->setUserId(0);
    }
    client->setUserId(userId, phone);
    m_online.insert(userId, client);
    qCInfo(lcServer).noquote() << "session: user" << userId << phone << "logged in from" << client->peer();
    // The reply carries one member more than the record: the key that binds service calls to
    // this login (a new login replaces it, so a device forced out loses its key too).
    QVariantMap reply = UserRecord::fromRow(row);
    reply.insert(QStringLiteral("SessionKey"), QString::fromLatin1(m_keys.issue(userId)));
    client->send(FrameType::LoginAccepted, reply);
    client->startBacklog();
}

void SessionServer::sendStored(SessionClient *client)
{
    const qint64 receiver = client->userId();
    QList<SessionClient::StoredMessage> batch;
    if (receiver) {
        // Small batches as the client takes them: a large backlog never sits in memory at once.
        const auto rows = m_db.query(QStringLiteral(
            "SELECT id, body FROM offline_messages WHERE receiver_id = ? AND id > ? ORDER BY id LIMIT 64"),
            {receiver, client->backlogCursor()});
        qint64 bytes = 0;
        for (const auto &row : rows) {
            batch.append({row.value(QStringLiteral("id")).toLongLong(), row.value(QStringLiteral("body")).toString().toUtf8()});
            bytes += batch.last().body.size();
            if (bytes >= SessionClient::kLowWater)
                break;
        }
    }
    if (batch.isEmpty())
        client->endBacklog();
    else
        client->sendBacklog(receiver, batch);
}

void SessionServer::removeDelivered(qint64 receiverId, qint64 uptoId)
{
    m_db.run(QStringLiteral("DELETE FROM offline_messages WHERE receiver_id = ? AND id <= ?"), {receiverId, uptoId});
}

void SessionServer::logout(SessionClient *client, const QVariantMap &body)
{
    if (!client->userId())
        return;
    const QString phone = str(body, "Phone");
    const QString own = m_db.scalar(QStringLiteral("SELECT mobile FROM users WHERE id = ?"),
                                    {client->userId()}).toString();
    if (phone != own) {
        qCInfo(lcServer).noquote() << "session:" << client->peer() << "logout for another number ignored";
        return;
    }
    if (m_online.value(client->userId()) == client) {
        m_online.remove(client->userId());
        m_keys.revoke(client->userId());
    }
    qCInfo(lcServer).noquote() << "session: user" << client->userId() << "logged out";
    client->setUserId(0);
}

void SessionServer::chat(SessionClient *client, QVariantMap body)
{
    if (!client->userId()) {
        qCInfo(lcServer).noquote() << "session:" << client->peer() << "chat before login dropped";
        return;
    }
    const qint64 receiver = Value::longLongValue(body.value(QStringLiteral("ReceiverID")));
    SessionClient *target = m_online.value(receiver);
    if (!target && !m_db.scalar(QStringLiteral("SELECT 1 FROM users WHERE id = ?"), {receiver}).isValid()) {
        qCInfo(lcServer).noquote() << "session: chat to unknown receiver" << body.value(QStringLiteral("ReceiverID"));
        return;
    }
    // The sender is who is logged in on this connection, whatever the frame claims.
    body[QStringLiteral("SenderID")] = QString::number(client->userId());
    body[QStringLiteral("SenderMobileNumber")] = client->mobile();
    if (str(body, "SendTime").isEmpty())
        body[QStringLiteral("SendTime")] = QString::number(QDateTime::currentSecsSinceEpoch());
    const QByteArray json = JsonWriter::write(QVariant(body));
    // A receiver that is still taking its backlog, or reads slowly, gets the message through
    // the store too: it keeps its place in line and nothing piles up in memory.
    if (target && !target->backlogActive() && target->unsent() < SessionClient::kLowWater) {
        target->sendRaw(FrameType::Chat, json);
        return;
    }
    m_db.run(QStringLiteral("INSERT INTO offline_messages(receiver_id, body) VALUES(?,?)"),
             {receiver, QString::fromUtf8(json)});
    if (target)
        target->startBacklog();
}

void SessionServer::friendRequest(SessionClient *client, const QVariantMap &body)
{
    if (!client->userId())
        return;
    qint64 invitee = 0;
    const auto outcome = m_friends.request(client->userId(), str(body, "Phone"), str(body, "Remark"),
                                           &invitee);
    QString message;
    switch (outcome) {
    case FriendBook::RequestOutcome::Sent: message = QStringLiteral("好友请求已发送"); break;
    case FriendBook::RequestOutcome::NoSuchUser: message = QStringLiteral("该用户不存在"); break;
    case FriendBook::RequestOutcome::Self: message = QStringLiteral("不能添加自己为好友"); break;
    case FriendBook::RequestOutcome::AlreadyFriends: message = QStringLiteral("你们已经是好友"); break;
    }
    const bool sent = outcome == FriendBook::RequestOutcome::Sent;
    client->send(FrameType::FriendAnswer, {{QStringLiteral("Result"), sent ? QStringLiteral("1") : QStringLiteral("0")},
                                {QStringLiteral("Message"), message}});
    if (sent)
        sendPushNotice(invitee, PushNotice::FriendRequest);
}

void SessionServer::friendAccept(SessionClient *client, const QVariantMap &body)
{
    if (!client->userId())
        return;
    const qint64 inviter = Value::longLongValue(body.value(QStringLiteral("InviterID")));
    const qint64 invitee = client->userId(); // only the invited user can accept
    if (str(body, "Agree") != QLatin1String("1") || !m_friends.accept(inviter, invitee)) {
        qCInfo(lcServer).noquote() << "session: no pending request from" << inviter << "to" << invitee;
        return;
    }
    const QVariantMap confirmed{{QStringLiteral("InviterID"), QString::number(inviter)},
                                {QStringLiteral("InviteeID"), QString::number(invitee)}};
    for (qint64 user : {inviter, invitee}) {
        if (SessionClient *c = m_online.value(user))
            c->send(FrameType::FriendConfirmed, confirmed);
    }
    sendPushNotice(inviter, PushNotice::FriendAccepted);
    sendPushNotice(inviter, PushNotice::FriendListChanged);
    sendPushNotice(invitee, PushNotice::FriendListChanged);
}

void SessionServer::sendPushNotice(qint64 userId, int code)
{
    if (SessionClient *c = m_online.value(userId))
        c->send(FrameType::Push, {{QString::fromLatin1(PushNotice::kCodeKey), QString::number(code)}});
}
