// The chat manager over the real session channel and the local market service.
#include "NotificationRecorder.h"
#include "RecordingSoundPort.h"
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "TestContext.h"

#include "core/platform/NotificationCenter.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

namespace {
const QString kA = QStringLiteral("13800000001");
const QString kB = QStringLiteral("13800000002");   // a friend of A in the demo market
const QString kC = QStringLiteral("13800000003");   // not yet
const QString kPass = QStringLiteral("demo123");
} // namespace

class tst_ChatSession : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<SessionPeer> m_b;
    QString m_aId;
    QString m_bId;

    AppContext &ctx() { return m_ctx->context(); }
    QString unread(const QString &peer)
    {
        const QVariantList rows = ctx().service<SQLITE>()->selectSQLFromtable(
            QStringLiteral("historyMSG") + m_aId, QStringLiteral("LoginInfoID"), peer, 1, 0, 1);
        return rows.isEmpty() ? QStringLiteral("<none>") : rows.first().toMap().value(QStringLiteral("unread")).toString();
    }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_ctx = std::make_unique<TestContext>();
        ctx().mutableConfig().sessionPort = m_server->sessionPort();
        ctx().setService<SoundPort>(std::make_unique<RecordingSoundPort>());

        // User A is this client: log in over the channel and apply the record as the login
        // screen does, then start the chat manager as the tab shell does.
        ctx().notificationCenter()->addObserver(this, QStringLiteral("LoginSuccessInfo"), [this](const Notification &n) {
            ctx().service<UserInfo>()->setBaseInfo(n.object);
        });
        ctx().service<Socket>()->userlogin(kA, kPass);
        QTRY_VERIFY_WITH_TIMEOUT(ctx().service<UserInfo>()->isOnline(), 10000);
        m_aId = ctx().service<UserInfo>()->userId();
        QVERIFY(!m_aId.isEmpty());
        ctx().service<ChatManager>();

        m_b = std::make_unique<SessionPeer>();
        QVERIFY(m_b->connectTo(m_server->sessionPort()));
        QCOMPARE(m_b->login(kB, kPass), 1);
        m_bId = m_b->lastFrame().object().value(QStringLiteral("LoginInfoID")).toString();
    }
    void cleanup()
    {
        m_b.reset();
        m_ctx.reset();
        m_server.reset();
    }

    void conversationBothWays()
    {
        for (const char *text : {"螺纹钢 3450", "还有货吗？"})
            m_b->send(4, SessionPeer::json({{"Type", QStringLiteral("2")}, {"SenderID", m_bId}, {"ReceiverID", m_aId},
                                            {"SendTime", QStringLiteral("5")}, {"Content", QString::fromUtf8(text)},
                                            {"ResourceID", QStringLiteral("0")}, {"SenderMobileNumber", QString()}}));
        QTRY_COMPARE_WITH_TIMEOUT(unread(m_bId), QStringLiteral("2"), 10000);

        const QVariantMap sent = ctx().service<ChatManager>()->socketSendMessage(QStringLiteral("有，30 吨"), m_bId,
                                                                                  QStringLiteral("0"));
        SessionPeer::Frame got;
        QVERIFY(m_b->waitFor(4, &got));
        QCOMPARE(got.object().value(QStringLiteral("Content")).toString(), QStringLiteral("有，30 吨"));
        QCOMPARE(got.object().value(QStringLiteral("SenderID")).toString(), m_aId);
        QCOMPARE(unread(m_bId), QString(""));
        QCOMPARE(ctx().service<SQLITE>()->counttable(QStringLiteral("chat%1to%2").arg(m_aId, m_bId)), 3);
    }

    void friendRequestPushRefreshesRequests()
    {
        SessionPeer c;
        QVERIFY(c.connectTo(m_server->sessionPort()));
        QCOMPARE(c.login(kC, kPass), 1);
        const QString cId = c.lastFrame().object().value(QStringLiteral("LoginInfoID")).toString();
        NotificationRecorder posted(ctx().notificationCenter());
        c.send(5, SessionPeer::json({{"InviterID", cId}, {"Phone", kA}, {"TEAMID", QStringLiteral("0")},
                                     {"Remark", QStringLiteral(" ")}}));
        QTRY_VERIFY_WITH_TIMEOUT(posted.names.contains(QStringLiteral("RefreshGetPreFriendList")), 10000);
        QVERIFY(posted.names.contains(QStringLiteral("ReceiveAddFrinedRequest")));
    }
};

QTEST_GUILESS_MAIN(tst_ChatSession)
#include "tst_chat_session.moc"
