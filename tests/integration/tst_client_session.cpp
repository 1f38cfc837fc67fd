// The client's own session channel (Socket) against velmora-server: a second login elsewhere
// forces this client out.
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "TestContext.h"

#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

#include <QtTest>
#include <memory>

namespace {
const QString kBuyer = QStringLiteral("13800000001");
const QString kPass = QStringLiteral("demo123");
} // namespace

class tst_ClientSession : public QObject
{
    Q_OBJECT

private slots:
    void secondLoginForcesTheClientOut()
    {
        ServerProcess server(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(server.start({QStringLiteral("--demo")}), qPrintable(server.errorText()));
        TestContext ctx;
        ctx->mutableConfig().sessionPort = server.sessionPort();
        UserInfo *user = ctx->service<UserInfo>();
        int loggedOut = 0;
        QObject observer;
        ctx->notificationCenter()->addObserver(&observer, QStringLiteral("LoginSuccessInfo"),
                                               [&](const Notification &n) { user->setBaseInfo(n.object); });
        ctx->notificationCenter()->addObserver(&observer, QStringLiteral("UserLogoutSystem"),
                                               [&](const Notification &) { ++loggedOut; });
        ctx->service<Socket>()->userlogin(kBuyer, kPass);
        QTRY_VERIFY_WITH_TIMEOUT(user->isOnline(), 10000);
        SessionPeer other;
        QVERIFY(other.connectTo(server.sessionPort()));
        QCOMPARE(other.login(kBuyer, kPass), 1);
        QTRY_COMPARE_WITH_TIMEOUT(loggedOut, 1, 10000);
        QVERIFY(!user->isOnline());
    }
};

QTEST_GUILESS_MAIN(tst_ClientSession)
#include "tst_client_session.moc"
