// The service under abuse, over its wire: values that do not parse, orders that must not be
// placed (or placed twice), bodies over the cap, idle and flooding connections, guessing, forged
// log lines, private files, a large chat backlog for an offline user (delivered whole, in order, once).
#include "MarketDatabase.h"
#include "ServerProcess.h"
#include "SessionPeer.h"

#include <QFileInfo>
#include <QtTest>
#include <memory>

namespace {
const QString kPass = QStringLiteral("demo123");
QString mobileOf(int user) { return QStringLiteral("1380000000%1").arg(user); }
} // namespace

class tst_ServiceHardening : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<MarketDatabase> m_peek;
    std::vector<std::unique_ptr<SessionPeer>> m_peers;

    bool start(const QStringList &extra = {})
    {
        m_peers.clear();
        m_peek.reset();
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        if (!m_server->start(QStringList{QStringLiteral("--demo")} + extra))
            return false;
        m_peek = std::make_unique<MarketDatabase>();
        return m_peek->open(m_server->dataDir() + QStringLiteral("/market.sqlite3"));
    }
    qint64 count(const QString &sql, const QVariantList &params = {}) { return m_peek->scalar(sql, params).toLongLong(); }

    static int code(const QVariantMap &reply) { return reply.value(QStringLiteral("errorCode"), -1).toInt(); }

    /// Logs the demo user in on the session channel and returns the key of that login.
    QByteArray keyOf(int user)
    {
        m_peers.push_back(SessionPeer::open(m_server->sessionPort(), mobileOf(user)));
        const SessionPeer *p = m_peers.back().get();
        return p ? p->lastFrame().object().value(QStringLiteral("SessionKey")).toString().toLatin1() : QByteArray();
    }
    QByteArray order(const QVariant &resource, const char *price, const char *weight)
    {
        return "{\"loginInfoID\":\"1\",\"resourceId\":\"" + resource.toString().toUtf8() + "\",\"bprice\":\"" + price
               + "\",\"bweight\":\"" + weight + "\",\"tradeType\":\"自主提货\"}";
    }

private slots:
    void cleanup()
    {
        m_peers.clear();
        m_peek.reset();
        m_server.reset();
    }

    void ordersOnlyForWhatIsOnSale_data()
    {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QByteArray>("price");
        QTest::addColumn<QByteArray>("weight");
        QTest::addColumn<bool>("placed");
        const QString listed = QStringLiteral("status = 2 AND owner_id <> 1");
        QTest::newRow("listed") << listed << QByteArray("3451") << QByteArray("1.50") << true;
        QTest::newRow("NaN price") << listed << QByteArray("NaN") << QByteArray("1.50") << false;
        QTest::newRow("negative weight") << listed << QByteArray("3451") << QByteArray("-5") << false;
        QTest::newRow("infinite weight") << listed << QByteArray("3451") << QByteArray("inf") << false;
        QTest::newRow("more than offered") << listed << QByteArray("3451") << QByteArray("1000000") << false;
        QTest::newRow("own resource") << QStringLiteral("status = 2 AND owner_id = 1") << QByteArray("3451") << QByteArray("1.50") << false;
        QTest::newRow("id with SQL") << QStringLiteral("0") << QByteArray("3451") << QByteArray("1.50") << false;
        QTest::newRow("taken back") << QStringLiteral("status = 1 AND owner_id <> 1") << QByteArray("3451") << QByteArray("1.50") << false;
        QTest::newRow("directed to another") << QStringLiteral("status = 3 AND directed_to <> 1 AND owner_id <> 1") << QByteArray("3451") << QByteArray("1.50") << false;
        QTest::newRow("directed to the buyer") << QStringLiteral("status = 3 AND directed_to = 1") << QByteArray("3451") << QByteArray("1.50") << true;
    }
    void ordersOnlyForWhatIsOnSale()
    {
        QFETCH(QString, pick);
        QFETCH(QByteArray, price);
        QFETCH(QByteArray, weight);
        QFETCH(bool, placed);
        QVERIFY(start());
        const QVariant id = pick == QLatin1String("0") ? QVariant(QStringLiteral("12 OR 1=1"))
                                                       : m_peek->scalar(QStringLiteral("SELECT id FROM resources WHERE %1 LIMIT 1").arg(pick));
        QVERIFY(id.isValid());
        const qint64 before = count(QStringLiteral("SELECT COUNT(*) FROM orders"));
        const QByteArray key = keyOf(1);
        const QVariantMap reply = m_server->post(QStringLiteral("Market/ToOrder"), order(id, price, weight), key);
        QCOMPARE(code(reply) == 0, placed);
        QVERIFY(!reply.value(QStringLiteral("message")).toString().isEmpty());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM orders")), before + (placed ? 1 : 0));
        if (placed) // the same order again (Qt's resend) is answered with the first
            QCOMPARE(m_server->post(QStringLiteral("Market/ToOrder"), order(id, price, weight), key), reply);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM orders")), before + (placed ? 1 : 0));
    }

    void bodyOverTheCapRefusedWithoutKeepingIt()
    {
#ifdef __SANITIZE_ADDRESS__ // the checked build: scripts/sanitize turns on both checkers
        // The checked allocator keeps freed blocks aside (256 MB of them) to catch late use; with a
        // small allowance the peak shows what the server itself holds.
        const QByteArray asan = qgetenv("ASAN_OPTIONS");
        qputenv("ASAN_OPTIONS", asan + ":quarantine_size_mb=8");
        const bool started = start();
        qputenv("ASAN_OPTIONS", asan);
        QVERIFY(started);
#else
        QVERIFY(start());
#endif
        const auto peakKb = [this] {
            QFile status(QStringLiteral("/proc/%1/status").arg(m_server->processId()));
            const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
            return text.mid(text.indexOf("VmHWM:") + 6).simplified().split(' ').value(0).toLongLong();
        };
        const qint64 before = peakKb();
        QVERIFY(before > 0);
        QTcpSocket s;
        QByteArray reply;
        connect(&s, &QTcpSocket::readyRead, this, [&] { reply += s.readAll(); });
        s.connectToHost(QHostAddress::LocalHost, m_server->httpPort());
        QVERIFY(s.waitForConnected(5000));
        s.write("POST /Market/ToOrder HTTP/1.1\r\nHost: x\r\nContent-Length: 104857600\r\n\r\n");
        const QByteArray chunk(1 << 20, 'a');
        for (int i = 0; i < 100 && s.state() == QAbstractSocket::ConnectedState; ++i) {
            s.write(chunk);
            s.waitForBytesWritten(2000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(reply.contains("\"errorCode\":413"), 10000);
        QVERIFY(reply.startsWith("HTTP/1.1 413"));
        // A 100 MB body must not be held: the peak grows by far less than it.
        const qint64 growth = peakKb() - before;
        QVERIFY2(growth < 32 * 1024, QByteArray::number(growth).constData()); // kB
    }

    void idleConnectionsAreClosed()
    {
        QVERIFY(start({QStringLiteral("--idle-timeout"), QStringLiteral("1")}));
        QTcpSocket http, session;
        http.connectToHost(QHostAddress::LocalHost, m_server->httpPort());
        session.connectToHost(QHostAddress::LocalHost, m_server->sessionPort());
        QVERIFY(http.waitForConnected(5000) && session.waitForConnected(5000));
        http.write("POST /Market/Search HTTP/1.1\r\nHost: x\r\nContent-Le");
        QTRY_COMPARE_WITH_TIMEOUT(http.state(), QAbstractSocket::UnconnectedState, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(session.state(), QAbstractSocket::UnconnectedState, 10000);
    }

    void listenersRecoverFromADescriptorFlood()
    {
#ifdef __SANITIZE_ADDRESS__ // the checked build: scripts/sanitize turns on both checkers
        // The undefined-behaviour checker tests each new virtual call by probing memory through a
        // pipe of its own; with every descriptor taken, as here on purpose, the probe fails and it
        // stops the server over a sound call. The plain run holds this check.
        QSKIP("the checked build cannot run out of descriptors");
#endif
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        m_server->setFileLimit(96);
        QVERIFY(m_server->start({QStringLiteral("--demo"), QStringLiteral("--max-connections"), QStringLiteral("1000")}));
        std::vector<std::unique_ptr<QTcpSocket>> flood;
        for (int i = 0; i < 300; ++i) {
            flood.push_back(std::make_unique<QTcpSocket>());
            flood.back()->connectToHost(QHostAddress::LocalHost, i % 2 ? m_server->httpPort() : m_server->sessionPort());
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_server->log().contains(QLatin1String("accept failed")), 10000);
        flood.clear();
        QTRY_COMPARE_WITH_TIMEOUT(code(m_server->post(QStringLiteral("steel/GetQueryCondition"), "{}")), 0, 20000);
        QVERIFY(SessionPeer::open(m_server->sessionPort(), mobileOf(1)));
    }

    void guessingIsCut()
    {
        QVERIFY(start());
        const QString mobile = mobileOf(3);
        QCOMPARE(code(m_server->post(QStringLiteral("User/SendCaptchaCode"), "{\"mobile\":\"" + mobile.toUtf8() + "\"}")), 0);
        QVERIFY(code(m_server->post(QStringLiteral("User/SendCaptchaCode"), "{\"mobile\":\"" + mobile.toUtf8() + "\"}")) != 0);
        QString sms;
        QTRY_VERIFY_WITH_TIMEOUT(!(sms = m_server->lastCode(mobile)).isEmpty(), 5000);
        auto reset = [&](const QString &captcha) {
            return code(m_server->post(QStringLiteral("User/ChangePwdByPhone"),
                             QStringLiteral("{\"mobile\":\"%1\",\"newPwd\":\"x\",\"captcha\":\"%2\"}").arg(mobile, captcha).toUtf8()));
        };
        for (int i = 0; i < 5; ++i)
            QVERIFY(reset(QStringLiteral("000000")) != 0);
        QVERIFY(reset(sms) != 0);
        SessionPeer peer;
        QVERIFY(peer.connectTo(m_server->sessionPort()));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(peer.login(mobile, QStringLiteral("wrong")), 2);
        QCOMPARE(peer.login(mobile, kPass), 2);
        QVERIFY(!peer.lastFrame().object().value(QStringLiteral("Message")).toString().isEmpty());
    }

    void forgedLogLinesStayInTheirLine()
    {
        QVERIFY(start());
        SessionPeer peer;
        QVERIFY(peer.connectTo(m_server->sessionPort()));
        QCOMPARE(peer.login(QStringLiteral("1\nverification code for 13800000002: 123456 (reset)"), kPass), 2);
        QTRY_VERIFY_WITH_TIMEOUT(m_server->log().contains(QLatin1String("\\nverification code for")), 5000);
        for (const QString &line : m_server->log().split(QLatin1Char('\n')))
            QVERIFY(!line.startsWith(QLatin1String("verification code for")));
    }

    void storeIsPrivateAndHashed()
    {
        QVERIFY(start());
        for (const QString &path : {m_server->dataDir(), m_server->dataDir() + QStringLiteral("/market.sqlite3"),
                                    m_server->dataDir() + QStringLiteral("/pictures/ad-1.png")}) {
            const QFile::Permissions p = QFileInfo(path).permissions();
            QVERIFY2((p & QFile::ReadOwner) && !(p & 0x0077), qPrintable(path)); // nothing for group and others
        }
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM users WHERE password NOT LIKE 'pbkdf2-sha256$%'")), 0);
    }

    void largeBacklogDeliveredInFull()
    {
        QVERIFY(start());
        SessionPeer sender;
        QVERIFY(sender.connectTo(m_server->sessionPort()) && sender.login(mobileOf(1), kPass) == 1);
        const QString content(60 * 1024, QLatin1Char('x'));
        for (int i = 0; i < 200; ++i) // 12 MB for an offline receiver, each message numbered
            sender.send(4, SessionPeer::json({{"Type", QStringLiteral("2")}, {"SenderID", QStringLiteral("1")},
                                              {"ReceiverID", QStringLiteral("2")}, {"Content", QString::number(i) + content}}));
        QTRY_COMPARE_WITH_TIMEOUT(count(QStringLiteral("SELECT COUNT(*) FROM offline_messages")), 200, 60000);
        SessionPeer receiver;
        receiver.socket().setReadBufferSize(16 * 1024); // a slow reader
        QVERIFY(receiver.connectTo(m_server->sessionPort()) && receiver.login(mobileOf(2), kPass) == 1);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(4), 200, 60000);
        for (int i = 0; i < 200; ++i) { // in the order written
            SessionPeer::Frame got;
            QVERIFY(receiver.waitFor(4, &got));
            const QString text = got.object().value(QStringLiteral("Content")).toString();
            QCOMPARE(text.left(text.indexOf(u'x')), QString::number(i));
        }
        QTRY_COMPARE_WITH_TIMEOUT(count(QStringLiteral("SELECT COUNT(*) FROM offline_messages")), 0, 10000);
    }
};

QTEST_GUILESS_MAIN(tst_ServiceHardening)
#include "tst_service_hardening.moc"
