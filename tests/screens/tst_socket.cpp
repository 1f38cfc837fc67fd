#include "NotificationRecorder.h"
#include "RecordingAlertPort.h"
#include "ScreenHarness.h"
#include "TestContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/UserDefaults.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <ctime>
#include <functional>

using SocketOp = std::function<void(Socket *)>;
Q_DECLARE_METATYPE(SocketOp)

namespace {
QByteArray frame(const char *headerHex, const QByteArray &body)
{
    return QByteArray::fromHex(headerHex) + body;
}
} // namespace

/// A fresh context whose channel talks to its own fake server.
struct Session
{
    bool ready() const { return socket->isConnected() && server.current(); }
    ScreenHarness h;
    FakeSessionServer &server = h.sessionServer();
    TestContext &ctx = h.testContext();
    Socket *socket = Socket::socket();
    NotificationRecorder recorder{ctx->notificationCenter(), {}, true};
};

class TestSocket : public QObject
{
    Q_OBJECT

private slots:
    void sentFramesByteForByte_data()
    {
        QTest::addColumn<SocketOp>("op");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("login") << SocketOp([](Socket *s) { s->userlogin(QStringLiteral("13900001111"), QStringLiteral("p\"w")); })
                               << frame("0000000000000000", "{\"Phone\":\"13900001111\",\"Password\":\"p\\\"w\",\"Platform\":\"2\"}");
        QTest::newRow("chat") << SocketOp([](Socket *s) { s->socketSendMessage(QStringLiteral("你好"), QStringLiteral("9"), QStringLiteral("0")); })
                              << frame("0000000004000000", "{\"Type\":\"2\",\"SenderID\":\"7\",\"ReceiverID\":\"9\",\"SendTime\":\"1700000000\","
                                                           "\"Content\":\"\xe4\xbd\xa0\xe5\xa5\xbd\",\"ResourceID\":\"0\",\"SenderMobileNumber\":\"\"}");
        QTest::newRow("friend request") << SocketOp([](Socket *s) { s->socketAddFrinedWithPhone(QStringLiteral("13900002222")); })
                                        << frame("0000000005000000", "{\"InviterID\":\"7\",\"Phone\":\"13900002222\",\"TEAMID\":\"0\",\"Remark\":\" \"}");
        QTest::newRow("accept friend") << SocketOp([](Socket *s) { s->socketResponseAddFriendWithInviteeID(QStringLiteral("9")); })
                                       << frame("0000000006000000", "{\"InviterID\":\"9\",\"InviteeID\":\"7\",\"InviterTeamID\":\"0\","
                                                                    "\"InviteeTeamID\":\"0\",\"Agree\":\"1\",\"Remark\":\" \"}");
        QTest::newRow("qr code") << SocketOp([](Socket *s) { s->fasongErWeiMa(QStringLiteral("7"), QStringLiteral("abc")); })
                                 << frame("0000000020000000", "{\"loginInfoID\":\"7\",\"deviceID\":\"abc\"}");
        QTest::newRow("empty text") << SocketOp([](Socket *s) { s->startConnection(QStringLiteral(""), 4); })
                                    << frame("0000000004000000", "");
        QTest::newRow("none sends nothing") << SocketOp([](Socket *s) {
            s->startConnection(QString(), 4);
            s->startConnection(QStringLiteral("{}"), 1);
        }) << frame("0000000001000000", "{}");
    }
    // Issued right after creation, so the frame also proves that writes wait for the connection.
    void sentFramesByteForByte()
    {
        QFETCH(SocketOp, op);
        QFETCH(QByteArray, expected);
        Session s;
        s.ctx->clock().setFixed(1700000000.9);
        UserInfo::info()->setUserId(QStringLiteral("7"));
        op(s.socket);
        QTRY_COMPARE(s.server.received(), expected);
    }

    void receivedFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("type -1") << frame("00000000ffffffff", "{\"Msg\":\"ok\"}") << QStringList{};
        QTest::newRow("not json") << frame("0000000001000000", "{\"a\":}") << QStringList{"LoginSuccessInfo"};
        QTest::newRow("empty body") << frame("0000000007000000", "")
                                    << QStringList{"beijiahaoyou=beijiahaoyou", "bierentongyi=bierentongyi"};
        QTest::newRow("not utf-8") << frame("0000000001000000", "{\"a\":\"\xff\"}") << QStringList{"LoginSuccessInfo"};
        QTest::newRow("push notice") << frame("0000000032000000", "{\"PushCode\":\"4\"}") << QStringList{"ReceiveAddFrinedRequest=4"};
        // The chat manager, not the channel, runs the reminder step (none here).
        QTest::newRow("chat")
            << frame("0000000004000000", "{\"SenderID\":\"5\",\"SenderMobileNumber\":\"13900001111\",\"ResourceID\":\"0\","
                                         "\"Content\":\"hi\",\"Type\":\"2\",\"SendTime\":\"1\"}")
            << QStringList{"InstantMessage={\"Content\":\"hi\",\"ResourceID\":\"0\",\"SendTime\":\"1\",\"SenderID\":\"5\","
                           "\"SenderMobileNumber\":\"13900001111\",\"Type\":\"2\"}"};
        QTest::newRow("two in one read") << frame("0000000024000000", "{\"Msg\":\"a\"}") + frame("0000000024000000", "{\"Msg\":\"b\"}")
                                         << QStringList{"erweima=a", "erweima=b"};
        QTest::newRow("forced logout then login")
            << frame("0000000003000000", "{}") + frame("0000000001000000", "{}")
            << QStringList{"UserLogoutSystem", "LoginSuccessInfo={}"};
    }
    void receivedFrames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        Session s;
        QTRY_VERIFY(s.ready());
        s.recorder.names.clear();
        // A closing frame that every case posts, so that the wait ends on it. It comes in two
        // pieces, the second once the rest has been applied: a frame split across reads arrives whole.
        const QByteArray end = frame("0000000024000000", "{\"Msg\":\"end\"}");
        s.server.send(bytes + end.left(11));
        QTRY_COMPARE(s.recorder.names.size(), expected.size());
        s.server.send(end.mid(11));
        QTRY_VERIFY(s.recorder.names.contains(QStringLiteral("erweima=end")));
        s.recorder.names.removeLast();
        QCOMPARE(s.recorder.names, expected);
    }

    // The alert first, then the record is cleared, then the screens are told.
    void forcedLogoutOrderOfEffects()
    {
        Session s;
        QStringList effects;
        UserInfo *user = UserInfo::info();
        user->setBaseInfo(QVariantMap{{QStringLiteral("MobilePhone"), QStringLiteral("13900001111")}});
        connect(user, &UserInfo::changed, this, [&] {
            const QString step = QStringLiteral("record after %1 alert").arg(s.h.alertTexts().size());
            if (effects.isEmpty() || effects.last() != step)
                effects.append(step);
        });
        QObject observer;
        s.ctx->notificationCenter()->addObserver(&observer, QStringLiteral("UserLogoutSystem"), [&](const Notification &n) {
            effects.append(n.name + (user->userTel().isNull() && !user->isOnline() ? " cleared" : " not cleared"));
        });
        QTRY_VERIFY(s.server.current());
        s.server.send(frame("0000000003000000", "{}"));
        QTRY_COMPARE(effects.size(), 2);
        QCOMPARE(effects, (QStringList{"record after 1 alert", "UserLogoutSystem cleared"}));
        QCOMPARE(s.h.alertTexts(), QStringList{QStringLiteral("您的账号已于其它设备登录，您被迫下线！")});
        QVERIFY(s.socket->isConnected());
        user->disconnect(this);
    }

    // Each step: 's' the client sends, 'r' the server sends a frame, 'd' the server drops the
    // connection (and the client is back). `posts` is the number of "SocketDismissConnect"
    // after each 'd', so every script also checks the scripts it starts with.
    void dismissConnect_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("posts");
        QTest::newRow("after start-up, after two sends, then with no send") << "dssdd" << "110";
        QTest::newRow("frame received after the send") << "dsrd" << "10";
        QTest::newRow("send after the frame") << "dsrsd" << "11";
    }
    void dismissConnect()
    {
        QFETCH(QString, script);
        QFETCH(QString, posts);
        Session s;
        Socket *socket = s.socket;
        FakeSessionServer &server = s.server;
        QString seen;
        qsizetype expectBytes = 0;
        for (const QChar step : script) {
            QTRY_VERIFY(s.ready());
            if (step == u's') {
                socket->startConnection(QStringLiteral("{}"), 4);
                expectBytes += 10;
                QTRY_COMPARE(server.received().size(), expectBytes);
            } else if (step == u'r') {
                const qint64 before = socket->outTimeCount();
                server.send(frame("0000000024000000", "{}"));
                QTRY_COMPARE(socket->outTimeCount(), before + 1);
            } else {
                const int connections = server.connectionCount();
                const int before = s.recorder.count(QStringLiteral("SocketDismissConnect"));
                server.dropConnection();
                QTRY_COMPARE(server.connectionCount(), connections + 1);
                seen += QString::number(s.recorder.count(QStringLiteral("SocketDismissConnect")) - before);
                expectBytes = 0;
            }
        }
        QCOMPARE(seen, posts);
    }

    void brokenStreams_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("serverDrops");
        QTest::addColumn<int>("connections");
        QTest::newRow("garbage before a frame") << QByteArray("garbage\x01\x02") << false << 1;
        QTest::newRow("oversized body") << frame("0000000001000000", "{\"a\":\"" + QByteArray(5000, 'x')) << false << 2;
        QTest::newRow("truncated then closed") << frame("0000000001000000", "{\"a\":\"b") << true << 2;
    }
    void brokenStreams()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, serverDrops);
        QFETCH(int, connections);
        Session s;
        s.socket->setMaxFrameBody(1024);
        QTRY_VERIFY(s.ready());
        s.server.send(bytes);
        if (serverDrops)
            s.server.dropConnection();
        QTRY_COMPARE(s.server.connectionCount(), connections);
        QTRY_VERIFY(s.ready());
        s.server.send(frame("0000000024000000", "{\"Msg\":\"after\"}"));
        QTRY_VERIFY(s.recorder.names.contains(QStringLiteral("erweima=after")));
        QCOMPARE(s.recorder.count(QStringLiteral("LoginSuccessInfo")), 0);
    }

    // Sent while the channel waits between two attempts: the frames start an attempt at once
    // and wait for it. If it fails the login screen is told and the login goes; the rest goes
    // out, in order, on the next connection.
    void sendDuringReconnectWait_data()
    {
        QTest::addColumn<bool>("serverBack");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("dismissals");
        const QByteArray one = frame("0000000004000000", "{\"n\":\"1\"}");
        const QByteArray two = frame("0000000004000000", "{\"n\":\"2\"}");
        const QByteArray login = frame("0000000000000000", "{\"Phone\":\"13900001111\",\"Password\":\"pw\",\"Platform\":\"2\"}");
        QTest::newRow("server back") << true << one + login + two << 0;
        QTest::newRow("server still away") << false << one + two << 1;
    }
    void sendDuringReconnectWait()
    {
        QFETCH(bool, serverBack);
        QFETCH(QByteArray, expected);
        QFETCH(int, dismissals);
        Session s;
        s.socket->setBackoffPolicy({60000, 60000, 0});
        QTRY_VERIFY(s.ready());
        s.server.stopListening();
        s.server.dropConnection();
        QTRY_VERIFY(!s.socket->asyncSocket() && s.socket->connectAttempts() == 2);
        if (serverBack)
            QVERIFY(s.server.listenAgain());
        s.recorder.names.clear();
        s.socket->startConnection(QStringLiteral("{\"n\":\"1\"}"), 4);
        s.socket->userlogin(QStringLiteral("13900001111"), QStringLiteral("pw"));
        s.socket->startConnection(QStringLiteral("{\"n\":\"2\"}"), 4);
        QCOMPARE(s.socket->connectAttempts(), 3);
        if (!serverBack) {
            QTRY_COMPARE(s.recorder.count(QStringLiteral("SocketDismissConnect")), 1);
            QVERIFY(s.server.listenAgain());
            s.socket->reConnect();
        }
        QTRY_COMPARE(s.server.received(), expected);
        QCOMPARE(s.recorder.count(QStringLiteral("SocketDismissConnect")), dismissals);
        s.server.send(frame("0000000001000000", "{}"));
        QTRY_VERIFY(s.recorder.names.contains(QStringLiteral("LoginSuccessInfo={}")));
    }

    // Frames with an empty body: one alone at the end of a read, one just before the server
    // hangs up. Their types are acted on, and the forced logout's clearing is on disk.
    void emptyBodiesAtTheEnd()
    {
        Session s;
        QTRY_VERIFY(s.ready());
        UserInfo *user = UserInfo::info();
        user->setBaseInfo(QVariantMap{{QStringLiteral("MobilePhone"), QStringLiteral("13900001111")}});
        s.server.send(QByteArray::fromHex("0000000007000000"));
        QTRY_COMPARE(s.recorder.count(QStringLiteral("bierentongyi")), 1);
        s.server.send(QByteArray::fromHex("0000000003000000"));
        s.server.current()->disconnectFromHost();
        QTRY_COMPARE(s.recorder.count(QStringLiteral("UserLogoutSystem")), 1);
        QVERIFY(user->userTel().isNull());
        QFile stored(s.ctx->userDefaults()->filePath());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(!stored.readAll().contains("13900001111"));
    }

    // With no host the start fails at once, and so does the immediate retry, each with the alert.
    void startWithoutAHost()
    {
        TestContext refused;
        refused->mutableConfig().sessionHost.clear();
        auto *alerts = refused->setService<AlertPort>(std::make_unique<RecordingAlertPort>());
        Socket *other = Socket::socket();
        QVERIFY(!other->asyncSocket());
        QCOMPARE(other->startConnctToServer(), 2);
        QCOMPARE(other->connectAttempts(), 2);
        QCOMPARE(alerts->texts(), QStringList(2, QStringLiteral("暂时无法连接到服务器，稍后重试")));
    }

    // With nothing listening the channel keeps trying, but paced: growing delays, not a loop. Once
    // it has connected the pacing starts afresh: the next loss retries at once.
    void backoffWhileTheServerIsAway()
    {
        const quint16 port = FakeSessionServer::unusedPort();
        TestContext ctx;
        ctx->mutableConfig().sessionPort = port;
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpuStart = std::clock();
        Socket *socket = Socket::socket();
        socket->setBackoffPolicy({10, 80, 0.2});
        QTRY_VERIFY_WITH_TIMEOUT(socket->connectAttempts() >= 7, 10000);
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        // Start-up and the immediate retry, then at least 8, 16, 32, 64 and 64 ms apart.
        QVERIFY2(wall.elapsed() >= 8 + 16 + 32 + 64 + 64, qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(cpuMs < 0.5 * double(wall.elapsed()) + 20, qPrintable(QStringLiteral("%1 ms CPU").arg(cpuMs)));
        FakeSessionServer server(port);
        QVERIFY(server.isListening());
        QTRY_VERIFY(socket->isConnected());
        socket->setBackoffPolicy({60000, 60000, 0});   // a paced retry would never come in time
        server.dropConnection();
        QTRY_COMPARE(server.connectionCount(), 2);
        QTRY_VERIFY(socket->isConnected());
    }

    void writeTimeOutClosesAndReconnects()
    {
        Session s;
        s.socket->setWriteTimeoutMs(300);
        QTRY_VERIFY(s.ready());
        s.server.stopReading();
        s.recorder.names.clear();
        s.socket->startConnection(QStringLiteral("{\"a\":\"%1\"}").arg(QString(16 << 20, u'x')), 4);
        QTRY_COMPARE_WITH_TIMEOUT(s.server.connectionCount(), 2, 10000);
        QCOMPARE(s.recorder.count(QStringLiteral("SocketDismissConnect")), 1);
    }
};

QTEST_GUILESS_MAIN(TestSocket)
#include "tst_socket.moc"
