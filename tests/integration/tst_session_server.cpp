// The session server over its wire: literal frame bytes in, frames out.
#include "ServerProcess.h"
#include "SessionPeer.h"

#include <QtTest>
#include <memory>

namespace {
const QString kA = QStringLiteral("13800000001");
const QString kB = QStringLiteral("13800000002");
const QString kPass = QStringLiteral("demo123");
const QByteArray kQr = "{\"loginInfoID\":\"1\",\"deviceID\":\"x\"}";

QByteArray chatBody(const QString &sender, const QString &receiver, const QString &content)
{
    return SessionPeer::json({{"Type", QStringLiteral("2")}, {"SenderID", sender}, {"ReceiverID", receiver},
                              {"SendTime", QStringLiteral("5")}, {"Content", content},
                              {"ResourceID", QStringLiteral("0")}, {"SenderMobileNumber", QString()}});
}
} // namespace

class tst_SessionServer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerProcess> m_server;

    /// Connected, and logged in when a mobile number is given.
    std::unique_ptr<SessionPeer> peer(const QString &mobile = {}) { return SessionPeer::open(m_server->sessionPort(), mobile); }
    static QString idOf(SessionPeer &p) { return p.lastFrame().object().value(QStringLiteral("LoginInfoID")).toString(); }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
    }
    void cleanup() { m_server.reset(); }

    void login_data()
    {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("type");
        QTest::newRow("accepted") << kA << kPass << 1;
        QTest::newRow("wrong password") << kA << QStringLiteral("demo124") << 2;
        QTest::newRow("empty password") << kA << QString() << 2;
    }
    void login()
    {
        QFETCH(QString, mobile);
        QFETCH(QString, password);
        QFETCH(int, type);
        auto p = peer();
        QVERIFY(p);
        QCOMPARE(p->login(mobile, password), type);
        const QVariantMap reply = p->lastFrame().object();
        if (type == 1) {
            QVERIFY(!reply.contains(QStringLiteral("ErrorCode")));
            QCOMPARE(reply.value(QStringLiteral("MobilePhone")).toString(), kA);
            for (const char *key : {"LoginInfoID", "UserName", "QIBValue", "RealMoney", "UsefulMoney",
                                    "FreezeMoney", "UserIcon", "CompanyName", "CompanyUrl", "Sorts",
                                    "Address", "Province", "City", "Email", "Fax", "Phone",
                                    "LicenseId", "IsVal", "CertState", "IsSuperUser"})
                QVERIFY2(reply.contains(QString::fromLatin1(key)), key);
        } else {
            QVERIFY(reply.contains(QStringLiteral("ErrorCode")));
            QVERIFY(!reply.value(QStringLiteral("Message")).toString().isEmpty());
        }
    }

    void secondLoginForcesFirstOut()
    {
        auto first = peer(kA);
        QVERIFY(first);
        auto second = peer(kA);
        QVERIFY(second);
        SessionPeer::Frame forced;
        QVERIFY(first->waitFor(3, &forced));
        // The old connection is no longer the user's: a chat to A reaches only the second one.
        auto b = peer(kB);
        QVERIFY(b);
        b->send(4, chatBody(QStringLiteral("x"), idOf(*second), QStringLiteral("hi")));
        QVERIFY(second->waitFor(4));
        QCOMPARE(first->count(4), 0);
        QCOMPARE(second->count(3), 0);
    }

    void chatBetweenOnlineClients()
    {
        auto a = peer(kA);
        QVERIFY(a);
        const QString aId = idOf(*a);
        auto b = peer(kB);
        QVERIFY(b);
        const QString bId = idOf(*b);
        const QByteArray body = QStringLiteral("{\"Type\":\"2\",\"SenderID\":\"%1\",\"ReceiverID\":\"%2\","
                                               "\"SendTime\":\"1700000000\",\"Content\":\"螺纹钢 & 价格=3450？\","
                                               "\"ResourceID\":\"12\",\"SenderMobileNumber\":\"\"}")
                                    .arg(aId, bId).toUtf8();
        // Literal bytes: 00 00 00 00 04 00 00 00 then the body.
        a->write(QByteArray::fromHex("0000000004000000") + body);
        SessionPeer::Frame got;
        QVERIFY(b->waitFor(4, &got));
        const QVariantMap m = got.object();
        QCOMPARE(m.value(QStringLiteral("Content")).toString(), QStringLiteral("螺纹钢 & 价格=3450？"));
        QCOMPARE(m.value(QStringLiteral("SenderID")).toString(), aId);
        QCOMPARE(m.value(QStringLiteral("SenderMobileNumber")).toString(), kA);
        QCOMPARE(m.value(QStringLiteral("ResourceID")).toString(), QStringLiteral("12"));
        QCOMPARE(m.value(QStringLiteral("SendTime")).toString(), QStringLiteral("1700000000"));
    }

    // Random cuts are the decoder's own unit test; here the server keeps what it read across reads.
    void streamInSmallPieces()
    {
        auto p = peer();
        QVERIFY(p);
        // Strings holding braces, brackets, escaped quotes and backslashes must not end a frame.
        const QByteArray tricky = SessionPeer::json({{"loginInfoID", QStringLiteral("{[\\\"}]")},
                                                     {"deviceID", QStringLiteral("二维码 } ] \\")}});
        const QByteArray stream = SessionPeer::frame(0, SessionPeer::json({{"Phone", kA}, {"Password", kPass}, {"Platform", QStringLiteral("2")}}))
                                  + SessionPeer::frame(32, tricky) + SessionPeer::frame(32, kQr);
        for (qsizetype at = 0; at < stream.size(); at += 7) {
            p->write(stream.mid(at, 7));
            QCoreApplication::processEvents();
        }
        QVERIFY(p->waitFor(1));
        QVERIFY(p->waitFor(36));
        QVERIFY(p->waitFor(36));
    }

    void badFramesAreDroppedAndServerStaysUp_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not JSON") << SessionPeer::frame(0, "hello");
        QTest::newRow("JSON array login") << SessionPeer::frame(0, "[1,2]");
        QTest::newRow("broken object") << SessionPeer::frame(0, "{\"Phone\":}");
        QTest::newRow("unknown type") << SessionPeer::frame(99, "{}");
        QTest::newRow("short chunk") << QByteArray::fromHex("000000");
        QTest::newRow("chat before login") << SessionPeer::frame(4, SessionPeer::json({{"ReceiverID", QStringLiteral("1")}, {"Content", QStringLiteral("x")}}));
        QTest::newRow("oversized unterminated body")
            << SessionPeer::frame(0, "{\"Phone\":\"" + QByteArray(1200 * 1024, 'a'));
        QTest::newRow("binary garbage") << QByteArray::fromHex("00000000ffffffff00ff10");
    }
    void badFramesAreDroppedAndServerStaysUp()
    {
        QFETCH(QByteArray, bytes);
        {
            auto bad = peer();
            QVERIFY(bad);
            bad->write(bytes);
            bad->send(32, kQr);
            bad->socket().waitForBytesWritten(1000);
        }
        auto good = peer();
        QVERIFY(good);
        QCOMPARE(good->login(kA, kPass), 1);
        QVERIFY(m_server->isRunning());
    }
};

QTEST_GUILESS_MAIN(tst_SessionServer)
#include "tst_session_server.moc"
