// Two clients of the local market service become friends through the friends screens and talk:
// B's badge and recent conversations follow, and a message A writes while the session server
// is away reaches B once both channels are back (each logs in again by itself).
#include "NotificationRecorder.h"
#include "ServerProcess.h"
#include "TestContext.h"

#include "app/NavigationStack.h"
#include "app/SuperController.h"
#include "core/platform/BadgePort.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/StayWithFriendsViewController.h"
#include "screens/im/SteelChatViewController.h"
#include "screens/resources/MyBusiness.h"

#include <QJsonDocument>
#include <QtTest>
#include <memory>

namespace {
const QString kPhoneA = QStringLiteral("14000000000");
const QString kPhoneB = QStringLiteral("14000000001");

class LastBadge : public BadgePort
{
public:
    QString value;
    void setBadgeValue(const QString &v) override { value = v; }
};

/// One client: its own context, logged in over its own session channel.
struct Client
{
    TestContext ctx;
    LastBadge *badge = nullptr;
    QString id;

    bool start(const ServerProcess &server, const QString &phone)
    {
        ctx->mutableConfig().sessionPort = server.sessionPort();
        ctx->mutableConfig().serviceBaseUrl = server.baseUrl();
        badge = ctx->setService<BadgePort>(std::make_unique<LastBadge>());
        ctx->service<ChatManager>();
        return login(phone);
    }
    bool login(const QString &phone)
    {
        QVariant reply;
        ctx->notificationCenter()->addObserver(ctx.operator->(), QStringLiteral("LoginSuccessInfo"),
                                               [&reply](const Notification &n) { reply = n.object; });
        ctx->service<Socket>()->userlogin(phone, QStringLiteral("demo123"));
        const bool ok = QTest::qWaitFor([&] { return reply.isValid(); }, 10000);
        ctx->notificationCenter()->removeObserver(ctx.operator->(), QStringLiteral("LoginSuccessInfo"));
        if (ok) {
            // As the login screen does: the password is remembered with the record.
            ctx->service<UserInfo>()->setBaseInfo(reply);
            ctx->service<UserInfo>()->setUserPass(QStringLiteral("demo123"));
            id = ctx->service<UserInfo>()->userId();
        }
        return ok && !id.isEmpty();
    }
    QStringList contents(const QString &peer)
    {
        QStringList out;
        for (const QVariant &row : ctx->service<SQLITE>()->selectSQLFromtable(
                 QStringLiteral("chat%1to%2").arg(id, peer), {}, {}, 0, 0, 0))
            out << row.toMap().value(QStringLiteral("Content")).toString();
        return out;
    }
};
} // namespace

class tst_ImTwoClients : public QObject
{
    Q_OBJECT
private slots:
    void friendsTalk()
    {
        ServerProcess server(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(server.start({"--demo", "--demo-users", "2"}), qPrintable(server.errorText()));
        auto a = std::make_unique<Client>();
        QVERIFY(a->start(server, kPhoneA));
        // B is the innermost context: the screens below are B's.
        auto b = std::make_unique<Client>();
        QVERIFY(b->start(server, kPhoneB));
        NavigationStack stack(new SuperController);

        // A directs a resource to B's number: B's client takes the push and its business hub
        // lights the mark on "等待认购的资源" (first section, fourth row).
        auto *business = new MyBusiness;
        stack.pushViewController(business);
        const auto asA = [&](const char *path, QVariantMap info) {
            info.insert(QStringLiteral("loginInfoID"), a->id);
            return server.post(QString::fromLatin1(path), QJsonDocument::fromVariant(info).toJson(QJsonDocument::Compact),
                               a->ctx->service<UserInfo>()->sessionKey().toLatin1()).value(QStringLiteral("data")).toMap();
        };
        QVariantMap lot{{"resourceid", "0"}, {"discount", "0"}};
        for (const char *key : {"sortID", "nsortID", "provinceID", "cityID", "spec", "materials", "yieldly", "price", "weight", "counttype", "cangku"})
            lot.insert(QString::fromLatin1(key), QStringLiteral("1"));
        const QString id = asA("Market/EditResource", lot).value(QStringLiteral("resourceId")).toString();
        QVERIFY(!id.isEmpty() && !business->isMarked(0, 3));
        asA("Market/ReleaseDirectResource", {{"resourceids", id}, {"mobile", kPhoneB}});
        QTRY_VERIFY_WITH_TIMEOUT(business->isMarked(0, 3), 10000);

        a->ctx->service<Socket>()->socketAddFrinedWithPhone(kPhoneB);
        auto *pending = new StayWithFriendsViewController;
        stack.pushViewController(pending);
        QTRY_COMPARE_WITH_TIMEOUT(pending->shujuArr()->count(), 1, 10000);
        QCOMPARE(pending->shujuArr()->get(0).value(QStringLiteral("subtitle")).toString(), QStringLiteral("(收到的) 点击加为商友"));
        auto *friends = new AllMyfriendsViewController;
        stack.pushViewController(friends);
        NotificationRecorder toldA(a->ctx->notificationCenter());
        pending->didSelectRowAtIndex(0);
        // The confirmation reloads B's friend list through "bierentongyi", and A is told too.
        QTRY_COMPARE_WITH_TIMEOUT(friends->shujuArr()->count(), 1, 10000);
        QCOMPARE(friends->shujuArr()->get(0).value(QStringLiteral("subtitle")).toString(), kPhoneA);
        QTRY_VERIFY(toldA.names.contains(QStringLiteral("bierentongyi")));

        auto *recent = new RecentContactViewController;
        stack.pushViewController(recent);
        a->ctx->service<ChatManager>()->socketSendMessage(QStringLiteral("你好"), b->id, QStringLiteral("0"));
        QTRY_COMPARE_WITH_TIMEOUT(b->badge->value, QStringLiteral("1"), 10000);
        QCOMPARE(recent->rows()->count(), 1);
        QVERIFY(recent->rows()->row(0).marked);
        QCOMPARE(recent->rows()->row(0).title, friends->shujuArr()->get(0).value(QStringLiteral("title")).toString());

        recent->didSelectRowAtIndex(0);
        auto *chat = qobject_cast<SteelChatViewController *>(stack.presentedStack()->rootViewController());
        QVERIFY(chat);
        QCOMPARE(chat->chatDataArray()->count(), 1);
        QCOMPARE(b->badge->value, QStringLiteral("0"));
        QVERIFY(!recent->rows()->row(0).marked);
        chat->setInputText(QStringLiteral("你好，在的"));
        chat->sendButtonClicked();
        QTRY_COMPARE_WITH_TIMEOUT(a->contents(b->id), (QStringList{"你好", "你好，在的"}), 10000);

        // The session server goes away; A writes meanwhile, then the server comes back on the
        // same ports, having forgotten both sessions. Nobody logs in by hand.
        const QStringList ports{"--http-port", QString::number(server.httpPort()), "--session-port",
                                QString::number(server.sessionPort())};
        server.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!a->ctx->service<Socket>()->isConnected(), 10000);
        a->ctx->service<ChatManager>()->socketSendMessage(QStringLiteral("断线也要到"), b->id, QStringLiteral("0"));
        QVERIFY2(server.start(ports), qPrintable(server.errorText()));
        QTRY_COMPARE_WITH_TIMEOUT(chat->chatDataArray()->count(), 3, 30000);
        QCOMPARE(chat->chatDataArray()->get(2).value(QStringLiteral("Content")).toString(), QStringLiteral("断线也要到"));
    }
};

QTEST_MAIN(tst_ImTwoClients)
#include "tst_im_two_clients.moc"
