#include "SessionPeer.h"

#include "core/session/FrameType.h"
#include "core/util/JsonReader.h"
#include "core/util/JsonWriter.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QtEndian>

QVariantMap SessionPeer::Frame::object() const
{
    return JsonReader::read(body).toMap();
}

SessionPeer::SessionPeer(QObject *parent) : QObject(parent)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &SessionPeer::readAvailable);
}

bool SessionPeer::connectTo(quint16 port, int timeoutMs)
{
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!m_socket.waitForConnected(timeoutMs))
        return false;
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return true;
}

std::unique_ptr<SessionPeer> SessionPeer::open(quint16 port, const QString &mobile, const QString &password)
{
    auto p = std::make_unique<SessionPeer>();
    if (!p->connectTo(port) || (!mobile.isEmpty() && p->login(mobile, password) != 1))
        return nullptr;
    return p;
}

QByteArray SessionPeer::frame(qint32 type, const QByteArray &body)
{
    QByteArray out(8, '\0');
    qToLittleEndian<qint32>(type, out.data() + 4);
    return out + body;
}

QByteArray SessionPeer::json(std::initializer_list<std::pair<const char *, QString>> members)
{
    JsonMembers out;
    for (const auto &[key, value] : members)
        out.append({QString::fromLatin1(key), value});
    return JsonWriter::write(out);
}

void SessionPeer::write(const QByteArray &bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

int SessionPeer::login(const QString &mobile, const QString &password, int timeoutMs)
{
    send(FrameType::Login, json({{"Phone", mobile}, {"Password", password}, {"Platform", QStringLiteral("2")}}));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        for (qsizetype i = 0; i < m_frames.size(); ++i) {
            const qint32 type = m_frames.at(i).type;
            if (type == FrameType::LoginAccepted || type == FrameType::LoginRefused) {
                m_last = m_frames.takeAt(i);
                return type;
            }
        }
        QSignalSpy spy(this, &SessionPeer::frameArrived);
        spy.wait(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return -1;
}

bool SessionPeer::waitFor(qint32 type, Frame *out, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        for (qsizetype i = 0; i < m_frames.size(); ++i) {
            if (m_frames.at(i).type == type) {
                m_last = m_frames.takeAt(i);
                if (out)
                    *out = m_last;
                return true;
            }
        }
        if (deadline.hasExpired())
            return false;
        QSignalSpy spy(this, &SessionPeer::frameArrived);
        spy.wait(int(qMax<qint64>(1, deadline.remainingTime())));
    }
}

int SessionPeer::count(qint32 type) const
{
    return int(std::count_if(m_frames.begin(), m_frames.end(),
                             [type](const Frame &f) { return f.type == type; }));
}

void SessionPeer::readAvailable()
{
    m_decoder.append(m_socket.readAll());
    FrameCodec::Frame f;
    while (m_decoder.next(f) == FrameCodec::Status::Frame) {
        m_frames.append({f.type, f.body.toByteArray()});
        emit frameArrived();
    }
}
