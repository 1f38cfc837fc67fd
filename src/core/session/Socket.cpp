#include "core/session/Socket.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/AccountSession.h"
#include "core/session/FrameType.h"
#include "core/session/PushNotice.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "core/util/Custom.h"
#include "core/util/JsonReader.h"
#include "core/util/JsonWriter.h"
#include "core/util/MTool.h"
#include "core/util/Value.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace {

QString str(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// Every member of a sent body is a string; none goes out as "" rather than as JSON null.
QVariant member(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QByteArray loginBody(const QString &phone, const QString &password)
{
    return JsonWriter::write(
        JsonMembers{{str("Phone"), member(phone)}, {str("Password"), member(password)}, {str("Platform"), str("2")}});
}

} // namespace

Socket::Socket(AppContext &ctx) : m_ctx(ctx)
{
    m_monotonic.start();
    m_retryTimer.setSingleShot(true);
    // A precise timer never fires early, so the pacing below is a floor, not an estimate.
    m_retryTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_retryTimer, &QTimer::timeout, this, &Socket::reConnect);
    m_writeTimer.setSingleShot(true);
    connect(&m_writeTimer, &QTimer::timeout, this, &Socket::onWriteTimeout);
    m_bareHeaderTimer.setSingleShot(true);
    connect(&m_bareHeaderTimer, &QTimer::timeout, this, &Socket::takeBareHeader);
    startConnctToServer();
}

Socket::~Socket()
{
    if (m_asyncSocket) {
        m_asyncSocket->disconnect(this);
        m_asyncSocket->abort();
        delete m_asyncSocket.data();
    }
}

Socket *Socket::socket()
{
    return AppContext::current()->service<Socket>();
}

void Socket::setMaxFrameBody(qsizetype bytes)
{
    m_codec = FrameCodec(bytes);
}

QTcpSocket *Socket::asyncSocket() const
{
    return m_asyncSocket.data();
}

bool Socket::isConnected() const
{
    return m_asyncSocket && m_asyncSocket->state() == QAbstractSocket::ConnectedState;
}

int Socket::startConnctToServer()
{
    if (m_asyncSocket)
        return 0;   // reading is always armed on a live socket
    const Config &config = m_ctx.config();
    auto *s = new QTcpSocket(this);
    m_asyncSocket = s;
    ++m_connectAttempts;
    connect(s, &QTcpSocket::connected, this, &Socket::onConnected);
    connect(s, &QTcpSocket::readyRead, this, &Socket::onReadyRead);
    connect(s, &QTcpSocket::bytesWritten, this, &Socket::onBytesWritten);
    connect(s, &QTcpSocket::errorOccurred, this, [s](QAbstractSocket::SocketError) {
        qCInfo(lcSession).noquote() << "Socket: connection error:" << s->errorString();
    });
    connect(s, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        onStateChanged(int(state));
    });
    if (!config.sessionHost.isEmpty() && config.sessionPort != 0) {
        m_starting = true;
        s->connectToHost(config.sessionHost, config.sessionPort);
        m_starting = false;
    }
    if (s->state() == QAbstractSocket::UnconnectedState) {
        // Refused at once: keep no dead socket, so that a later reConnect can try again.
        dropSocket();
        Custom::messageWithString(QStringLiteral("暂时无法连接到服务器，稍后重试"));
        return 2;
    }
    return 1;
}

void Socket::reConnect()
{
    m_retryTimer.stop();
    const int result = startConnctToServer();
    if (result == 1)
        qCInfo(lcSession, "connect success");
    else if (result == 0)
        qCInfo(lcSession, "It's connected,don't agian");
}

void Socket::disConnect()
{
    if (m_asyncSocket)
        m_asyncSocket->disconnectFromHost();
}

void Socket::onConnected()
{
    m_backoff.reset();
    // The server forgot this client with the old connection: log in again before anything
    // queued goes out, unless a login is queued already (it would be answered first anyway).
    if (!loginQueued() && m_ctx.service<UserInfo>()->hasRememberedLogin())
        writeResumeLogin();
    while (!m_outgoing.empty() && isConnected()) {
        Outgoing out = std::move(m_outgoing.front());
        m_outgoing.pop_front();
        m_outgoingBytes -= out.frame.size();
        writeNow(std::move(out));
    }
}

bool Socket::loginQueued() const
{
    return std::any_of(m_outgoing.cbegin(), m_outgoing.cend(),
                       [](const Outgoing &out) { return out.type == FrameType::Login; });
}

bool Socket::resumeLogin()
{
    if (!m_ctx.service<UserInfo>()->hasRememberedLogin())
        return false;
    if (isConnected()) {
        if (!m_resumePending)
            writeResumeLogin();
    } else if (!m_asyncSocket) {
        reConnect();   // between two attempts: the login need not sit out the delay
    }
    return true;
}

// Not a send of the user's: outTimeCount stays as it is, so a lost connection reports to
// whoever waits for an answer of their own, not for this one.
void Socket::writeResumeLogin()
{
    const UserInfo *user = m_ctx.service<UserInfo>();
    m_resumePending = true;
    writeNow({FrameType::Login, FrameCodec::encode(FrameType::Login, loginBody(user->userTel(), user->userPass())), true});
}

void Socket::onStateChanged(int state)
{
    if (state != QAbstractSocket::UnconnectedState || m_starting)
        return;
    onSocketDidDisconnect();
}

void Socket::onSocketDidDisconnect()
{
    // A header with no body, last before the close, is a whole frame: a forced logout or a
    // confirmed friendship is acted on by its type alone.
    takeBareHeader();
    if (m_codec.buffered() > 0)
        qCInfo(lcSession, "Socket: connection closed inside a frame; %lld bytes dropped", qint64(m_codec.buffered()));
    // Frames the connection took but never handed to the system go out on the next one, ahead
    // of those sent since.
    for (auto it = m_inFlight.rbegin(); it != m_inFlight.rend(); ++it) {
        if (it->out.resume)
            continue;
        m_outgoingBytes += it->out.frame.size();
        m_outgoing.push_front(std::move(it->out));
    }
    dropSocket();
    const int delay = m_backoff.nextDelayMs();
    if (delay == 0)
        reConnect();
    else
        m_retryTimer.start(delay);
    reportDismiss();
}

// "SocketDismissConnect" when nothing came back since the last send. The screen waiting for a
// login gives up on it, so a login still queued goes too: answering it on a later connection
// would log in a user who was told that it failed. Everything else stays queued.
void Socket::reportDismiss()
{
    if (m_outTimeCount != 0)
        return;
    m_outTimeCount = 1;
    for (auto it = m_outgoing.begin(); it != m_outgoing.end();) {
        if (it->type == FrameType::Login) {
            m_outgoingBytes -= it->frame.size();
            it = m_outgoing.erase(it);
        } else {
            ++it;
        }
    }
    m_ctx.notificationCenter()->postNotification(NotificationNames::SocketDismissConnect);
}

// Forgets the transport socket and everything tied to its stream. The object itself goes
// later: this may run inside one of its own signals.
void Socket::dropSocket()
{
    if (QTcpSocket *s = m_asyncSocket.data()) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
    m_asyncSocket = nullptr;
    m_resumePending = false;
    m_codec.reset();
    m_bareHeaderTimer.stop();
    m_inFlight.clear();
    m_handed = m_written = 0;
    m_writeTimer.stop();
}

void Socket::startConnection(const QString &text, qint64 tag)
{
    m_outTimeCount = 0;
    if (text.isNull())
        return;
    send(qint32(tag), text.toUtf8());
}

void Socket::send(qint32 type, const QByteArray &body)
{
    Outgoing out{type, FrameCodec::encode(type, body)};
    if (isConnected()) {
        writeNow(std::move(out));
        return;
    }
    if (!enqueue(std::move(out)) || m_asyncSocket)
        return;
    // Between two attempts: rather than let the frame (and whoever waits for its answer) sit
    // out the reconnection delay, try now.
    reConnect();
    if (!m_asyncSocket)
        reportDismiss();   // the attempt could not even start
}

bool Socket::enqueue(Outgoing out)
{
    if (int(m_outgoing.size()) >= kMaxQueuedFrames || m_outgoingBytes + out.frame.size() > kMaxQueuedBytes) {
        qCWarning(lcSession, "Socket: %d frames (%lld bytes) already wait for the connection; a frame of type %d is dropped",
                 int(m_outgoing.size()), qint64(m_outgoingBytes), out.type);
        return false;
    }
    m_outgoingBytes += out.frame.size();
    m_outgoing.push_back(std::move(out));
    return true;
}

void Socket::writeNow(Outgoing out)
{
    if (m_asyncSocket->write(out.frame) != out.frame.size()) {
        qCInfo(lcSession, "Socket: write failed");
        return;
    }
    m_handed += out.frame.size();
    m_inFlight.push_back({std::move(out), m_handed, m_monotonic.elapsed() + m_writeTimeoutMs});
    armWriteTimer();
}

void Socket::onBytesWritten(qint64 bytes)
{
    m_written += bytes;
    while (!m_inFlight.empty() && m_inFlight.front().endOffset <= m_written)
        m_inFlight.pop_front();
    armWriteTimer();
}

void Socket::armWriteTimer()
{
    if (m_inFlight.empty()) {
        m_writeTimer.stop();
        return;
    }
    m_writeTimer.start(int(std::max<qint64>(0, m_inFlight.front().deadline - m_monotonic.elapsed())));
}

void Socket::onWriteTimeout()
{
    if (m_inFlight.empty() || !m_asyncSocket)
        return;
    qCInfo(lcSession, "Socket: a frame was not written within %d ms; closing the connection", m_writeTimeoutMs);
    m_asyncSocket->abort();
}

qint64 Socket::socketTypeWithData(QByteArrayView data)
{
    return data.size() < 4 ? -100 : knownType(qFromLittleEndian<qint32>(data.data()));
}

qint64 Socket::knownType(qint32 type)
{
    return type >= -1 && type <= 39 ? type : -100;
}

void Socket::onReadyRead()
{
    QTcpSocket *reading = m_asyncSocket.data();
    if (reading && sender() == reading)
        didReadData(reading->readAll());
}

void Socket::didReadData(QByteArrayView bytes)
{
    QTcpSocket *reading = m_asyncSocket.data();
    const qint64 skippedBefore = m_codec.skippedBytes();
    m_codec.append(bytes);
    FrameCodec::Frame frame;
    for (;;) {
        const FrameCodec::Status status = m_codec.next(frame);
        if (status == FrameCodec::Status::NeedMore)
            break;
        if (status == FrameCodec::Status::Oversized) {
            qCInfo(lcSession, "Socket: frame body over %lld bytes dropped; restarting the connection",
                  qint64(m_codec.maxBody()));
            m_codec.reset();
            if (reading)
                reading->abort();
            return;
        }
        receive(frame);
        // An observer may have closed the connection; what is left belongs to the old stream.
        if (m_asyncSocket.data() != reading)
            return;
    }
    if (const qint64 skipped = m_codec.skippedBytes() - skippedBefore)
        qCInfo(lcSession, "Socket: %lld bytes outside any frame skipped", skipped);
    // A header that ends the read may be all of its frame, or its body may be on the way.
    if (m_codec.hasBareHeader())
        m_bareHeaderTimer.start(kBareHeaderWaitMs);
    else
        m_bareHeaderTimer.stop();
}

void Socket::takeBareHeader()
{
    FrameCodec::Frame frame;
    if (m_codec.takeBareHeader(frame))
        receive(frame);
}

void Socket::receive(const FrameCodec::Frame &frame)
{
    ++m_outTimeCount;
    // An empty body or one that is not JSON gives no object; the type is acted on all the same.
    const QVariant object = frame.body.isEmpty() ? QVariant() : JsonReader::read(frame.body);
    dispatch(frame.type, object);
}

void Socket::dispatch(qint32 rawType, const QVariant &object)
{
    NotificationCenter *center = m_ctx.notificationCenter();
    switch (knownType(rawType)) {
    case FrameType::LoginInfo:
        center->postNotification(NotificationNames::UserLoginInfo, object);
        return;
    case FrameType::LoginAccepted:
    case FrameType::LoginRefused:
    {
        // The server answers in order: the first answer on a connection that began with the
        // channel's own login is that login's. It is applied here; a login screen that is open
        // learns from the resumed mark that the answer is not to what its user typed.
        const bool resumed = std::exchange(m_resumePending, false);
        if (resumed)
            AccountSession::rememberedLoginReply(m_ctx, object);
        center->postNotification(rawType == FrameType::LoginAccepted ? NotificationNames::LoginSuccessInfo : NotificationNames::LoginFailedInfo,
                                 object, resumed ? QVariantMap{{NotificationNames::resumedKey, true}} : QVariantMap{});
        return;
    }
    case FrameType::ForcedLogout:
        Custom::messageWithString(QStringLiteral("您的账号已于其它设备登录，您被迫下线！"));
        m_ctx.service<UserInfo>()->destroy();
        center->postNotification(NotificationNames::UserLogoutSystem);
        return;
    case FrameType::Chat:
        // The chat manager stores it and runs the chat model's reminder step.
        center->postNotification(NotificationNames::InstantMessage, object);
        return;
    case FrameType::FriendAnswer:
        center->postNotification(NotificationNames::ResponseAddFriendInfo, object);
        return;
    case FrameType::FriendConfirmed:
        center->postNotification(NotificationNames::beijiahaoyou, NotificationNames::beijiahaoyou);
        center->postNotification(NotificationNames::bierentongyi, NotificationNames::bierentongyi);
        return;
    case FrameType::QrReply:
        center->postNotification(NotificationNames::erweima, Value::member(object, str("Msg")));
        return;
    default:
        break;
    }
    if (rawType == FrameType::Push) {
        const QVariant code = Value::member(object, QString::fromLatin1(PushNotice::kCodeKey));
        if (!Value::isNone(code)) {
            center->postNotification(NotificationNames::ReceiveAddFrinedRequest, Value::text(code));
            return;
        }
    }
    qCInfo(lcSession, "Socket: frame of type %d ignored", rawType);
}

void Socket::userlogin(const QString &phone, const QString &password)
{
    startConnection(QString::fromUtf8(loginBody(phone, password)), FrameType::Login);
}

void Socket::userlogout(const QString &phone)
{
    startConnection(QString::fromUtf8(JsonWriter::write(JsonMembers{{str("Phone"), member(phone)}})), FrameType::Logout);
}

QVariantMap Socket::socketSendMessage(const QString &content, const QString &to, const QString &too)
{
    const JsonMembers body{{str("Type"), str("2")},
                           {str("SenderID"), member(m_ctx.service<UserInfo>()->userId())},
                           {str("ReceiverID"), member(to)},
                           {str("SendTime"), MTool::systemDate()},
                           {str("Content"), member(content)},
                           {str("ResourceID"), member(too)},
                           {str("SenderMobileNumber"), str("")}};
    startConnection(QString::fromUtf8(JsonWriter::write(body)), FrameType::Chat);
    QVariantMap sent;
    for (const auto &[key, value] : body)
        sent.insert(key, value);
    return sent;
}

void Socket::socketAddFrinedWithPhone(const QString &phone)
{
    const JsonMembers body{{str("InviterID"), member(m_ctx.service<UserInfo>()->userId())},
                           {str("Phone"), member(phone)},
                           {str("TEAMID"), str("0")},
                           {str("Remark"), str(" ")}};
    startConnection(QString::fromUtf8(JsonWriter::write(body)), FrameType::FriendRequest);
}

void Socket::socketResponseAddFriendWithInviteeID(const QString &inviterId)
{
    const JsonMembers body{{str("InviterID"), member(inviterId)},
                           {str("InviteeID"), member(m_ctx.service<UserInfo>()->userId())},
                           {str("InviterTeamID"), str("0")},
                           {str("InviteeTeamID"), str("0")},
                           {str("Agree"), str("1")},
                           {str("Remark"), str(" ")}};
    startConnection(QString::fromUtf8(JsonWriter::write(body)), FrameType::FriendAnswer);
}

void Socket::fasongErWeiMa(const QString &loginInfoId, const QString &erweimazifuchuan)
{
    const JsonMembers body{{str("loginInfoID"), member(loginInfoId)},
                           {str("deviceID"), member(erweimazifuchuan)}};
    startConnection(QString::fromUtf8(JsonWriter::write(body)), FrameType::QrCode);
}
