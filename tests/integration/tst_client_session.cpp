// The client's own session channel (Socket) and Request against velmora-server: login answers,
// a forced logout, and the seller's push notice when a buyer orders.
#include "RecordingDelegate.h"
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "TestContext.h"

#include "core/api/Request.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

#include <QtTest>
#include <memory>
#include <optional>

namespace {
const QString kBuyer = QStringLiteral("13800000001");
const QString kSeller = QStringLiteral("13800000002");
const QString kPass = QStringLiteral("demo123");
} // namespace

class tst_ClientSession : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestContext> m_ctx;
    QList<Notification> m_seen;

    AppContext &ctx() { return m_ctx->context(); }
    void observe(const QString &name)
    {
        ctx().notificationCenter()->addObserver(this, name, [this](const Notification &n) { m_seen.append(n); });
    }
    /// The first notification of that name seen so far, waiting up to 10 s for it.
    std::optional<Notification> waitFor(const QString &name)
    {
        auto find = [&]() -> std::optional<Notification> {
            for (const Notification &n : m_seen)
                if (n.name == name)
                    return n;
            return std::nullopt;
        };
        if (!QTest::qWaitFor([&] { return find().has_value(); }, 10000))
            return std::nullopt;
        return find();
    }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_ctx = std::make_unique<TestContext>();
        ctx().mutableConfig().sessionPort = m_server->sessionPort();
        ctx().mutableConfig().serviceBaseUrl = m_server->baseUrl();
        m_seen.clear();
        for (const char *name : {"LoginSuccessInfo", "LoginFailedInfo", "UserLogoutSystem", "ReceiveAddFrinedRequest"})
            observe(QString::fromLatin1(name));
    }
    void cleanup()
    {
        ctx().notificationCenter()->removeObserver(this);
        m_ctx.reset();
        m_server.reset();
    }

    void loginAnswer_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("notification");
        QTest::newRow("accepted") << kPass << "LoginSuccessInfo";
        QTest::newRow("refused") << QStringLiteral("wrong") << "LoginFailedInfo";
    }
    void loginAnswer()
    {
        QFETCH(QString, password);
        QFETCH(QString, notification);
        ctx().service<Socket>()->userlogin(kBuyer, password);
        const auto n = waitFor(notification);
        QVERIFY(n);
        const QVariantMap reply = n->object.toMap();
        if (notification == QLatin1String("LoginSuccessInfo")) {
            QCOMPARE(reply.value(QStringLiteral("MobilePhone")).toString(), kBuyer);
            QVERIFY(!reply.contains(QStringLiteral("ErrorCode")));
        } else {
            QVERIFY(reply.contains(QStringLiteral("ErrorCode")));
            QVERIFY(!reply.value(QStringLiteral("Message")).toString().isEmpty());
        }
    }

    void secondLoginForcesTheClientOut()
    {
        ctx().service<Socket>()->userlogin(kBuyer, kPass);
        const auto accepted = waitFor(QStringLiteral("LoginSuccessInfo"));
        QVERIFY(accepted);
        ctx().service<UserInfo>()->setBaseInfo(accepted->object);
        QVERIFY(ctx().service<UserInfo>()->isOnline());
        SessionPeer other;
        QVERIFY(other.connectTo(m_server->sessionPort()));
        QCOMPARE(other.login(kBuyer, kPass), 1);
        QVERIFY(waitFor(QStringLiteral("UserLogoutSystem")));
        QVERIFY(!ctx().service<UserInfo>()->isOnline());
    }

    void orderSendsTheSellerAPushNotice()
    {
        ctx().service<Socket>()->userlogin(kSeller, kPass);
        const auto login = waitFor(QStringLiteral("LoginSuccessInfo"));
        QVERIFY(login);
        // The seller's calls carry the key of this login, as the login screen applies it.
        ctx().service<UserInfo>()->setBaseInfo(login->object);
        RecordingDelegate listing;
        Request::request()->sourceListWithDelegate(&listing, 1, 2);
        QVERIFY(listing.waitForHide(1, 10000));
        const QString resourceId = listing.result().toMap().value(QStringLiteral("data")).toList().first().toMap()
                                       .value(QStringLiteral("resourceId")).toString();
        // The buyer, logged in elsewhere, orders one of the seller's listed lots.
        SessionPeer buyer;
        QVERIFY(buyer.connectTo(m_server->sessionPort()) && buyer.login(QStringLiteral("13800000001"), kPass) == 1);
        ctx().service<UserInfo>()->setBaseInfo(buyer.lastFrame().object());
        RecordingDelegate order;
        Request::request(1)->buyItemFromSuperMark(QStringLiteral("1"), resourceId, 3500, 10, &order);
        QVERIFY(order.waitForHide(1, 10000));
        QCOMPARE(order.result().toMap().value(QStringLiteral("errorCode")).toInt(), 0);
        const auto push = waitFor(QStringLiteral("ReceiveAddFrinedRequest"));
        QVERIFY(push);
        QCOMPARE(push->object.toString(), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_ClientSession)
#include "tst_client_session.moc"
