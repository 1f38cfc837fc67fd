#include "NotificationRecorder.h"
#include "RecordingSoundPort.h"
#include "TestContext.h"

#include "app/MainTabBarController.h"
#include "app/MessagesTabBadge.h"
#include "app/MyBadgeView.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"

#include <QTest>
#include <memory>

namespace {
const QString kHistory = QStringLiteral("historyMSG7");

QVariantMap incoming(const QVariant &sender, const QString &content = QStringLiteral("你好"))
{
    QVariantMap m{{"Type", "2"}, {"ReceiverID", "7"}, {"SendTime", "1"}, {"Content", content},
                  {"ResourceID", "0"}, {"SenderMobileNumber", "13900001111"}};
    if (sender.isValid())
        m.insert(QStringLiteral("SenderID"), sender);
    return m;
}
} // namespace

/// The chat manager against a real store in a temporary folder and a real tab shell.
class TestChatManager : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<MainTabBarController> m_shell;
    RecordingSoundPort *m_sound = nullptr;
    std::unique_ptr<NotificationRecorder> m_posted;

    AppContext &ctx() { return m_ctx->context(); }
    ChatManager *manager() { return ctx().service<ChatManager>(); }
    SQLITE *store() { return ctx().service<SQLITE>(); }
    MyBadgeView *badge() { return m_shell->badgeViewAt(MainTabBarController::kBadgeButtonIndex); }
    void receive(const QVariant &message)
    {
        ctx().notificationCenter()->postNotification(QStringLiteral("InstantMessage"), message);
    }
    QVariantMap row(const QString &peer)
    {
        const QVariantList rows = store()->selectSQLFromtable(kHistory, QStringLiteral("LoginInfoID"), peer, 1, 0, 1);
        return rows.isEmpty() ? QVariantMap() : rows.first().toMap();
    }
    QString unread(const QString &peer) { return row(peer).value(QStringLiteral("unread")).toString(); }

private slots:
    /// A fresh context with user 7 logged in, both switches on, a recording sound port, and a
    /// four-tab shell whose loading creates the chat manager.
    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        ctx().clock().setFixed(1700000000.75);
        UserInfo *user = ctx().service<UserInfo>();
        user->setUserId(QStringLiteral("7"));
        user->setSoundSwitch(true);
        user->setZdSwitch(true);
        m_sound = ctx().setService<SoundPort>(std::make_unique<RecordingSoundPort>());
        m_shell = std::make_unique<MainTabBarController>();
        QList<ViewController *> roots;
        for (int i = 0; i < 4; ++i)
            roots.append(new ViewController);
        m_shell->setViewControllers(roots);
        ctx().setService<BadgePort>(std::make_unique<MessagesTabBadge>(m_shell.get()));
        m_shell->loadViewIfNeeded();
        m_posted = std::make_unique<NotificationRecorder>(
            ctx().notificationCenter(),
            QStringList{"InstantMessage", "ReceiveAddFrinedRequest", "shoudaoliaotian4"});
    }
    void cleanup()
    {
        m_posted.reset();
        m_shell.reset();
        m_ctx.reset();
    }

    void threeMessagesCountAndShowBadge()
    {
        for (int i = 0; i < 3; ++i)
            receive(incoming(QStringLiteral("9"), QStringLiteral("第%1条").arg(i)));
        QCOMPARE(unread(QStringLiteral("9")), QStringLiteral("3"));
        QCOMPARE(badge()->number(), QStringLiteral("3"));
        QVERIFY(!badge()->isHidden());
        // Vibration before the tone, for each message.
        QCOMPARE(m_sound->played, (QList<int>{4095, 1109, 4095, 1109, 4095, 1109}));
        QCOMPARE(m_posted->take(), (QStringList{"SocketDidReceiveMessage", "RefreshHistoryMSGList",
                                                "SocketDidReceiveMessage", "RefreshHistoryMSGList",
                                                "SocketDidReceiveMessage", "RefreshHistoryMSGList"}));

        const QVariantList stored = store()->selectSQLFromtable(QStringLiteral("chat7to9"), QString(), QVariant(), 0, 0, 0);
        QCOMPARE(stored.size(), 3);
        const QVariantMap last = stored.last().toMap();
        // The arrival time replaces the sender's; everything else is kept as it came.
        QCOMPARE(last.value("SendTime").toString(), QStringLiteral("1700000000"));
        QCOMPARE(last.value("Content").toString(), QStringLiteral("第2条"));
        QCOMPARE(last.value("SenderMobileNumber").toString(), QStringLiteral("13900001111"));
        const QVariantMap conversation = row(QStringLiteral("9"));
        QCOMPARE(conversation.value("message").toString(), QStringLiteral("第2条"));
        QCOMPARE(conversation.value("ChatType").toString(), QStringLiteral("2"));
        QCOMPARE(conversation.value("SendTime").toString(), QStringLiteral("1700000000"));

        // Read: "0", and the badge follows at the next recount only.
        manager()->resetBadgeValueWithLoginInfoID(QStringLiteral("9"));
        QCOMPARE(unread(QStringLiteral("9")), QStringLiteral("0"));
        QCOMPARE(badge()->number(), QStringLiteral("3"));
        manager()->updateBadgeValue();
        QVERIFY(badge()->isHidden());
        QCOMPARE(store()->counttable(kHistory), 1);
    }

    void badgeSumsAllPeers()
    {
        const QString hostile = QStringLiteral("9'; drop table historyMSG7; --");   // stays data
        receive(incoming(hostile));
        receive(incoming(QStringLiteral("9")));
        receive(incoming(12));   // a numeric id from the wire is the same peer as its text
        receive(incoming(QStringLiteral("12")));
        QCOMPARE(unread(hostile), QStringLiteral("1"));
        QCOMPARE(unread(QStringLiteral("12")), QStringLiteral("2"));
        QCOMPARE(badge()->number(), QStringLiteral("4"));
    }

    void soundsAndOpenConversation_data()
    {
        QTest::addColumn<QString>("toID");   // the open conversation, or none
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("vibrate");
        QTest::addColumn<QList<int>>("played");
        QTest::addColumn<QString>("unread");
        QTest::newRow("sound only") << QString() << true << false << QList<int>{1109} << "1";
        QTest::newRow("vibration only") << QString() << false << true << QList<int>{4095} << "1";
        QTest::newRow("neither") << QString() << false << false << QList<int>{} << "1";
        QTest::newRow("that peer open: read, silent") << "9" << true << true << QList<int>{} << "0";
        QTest::newRow("another peer open: counted, still silent") << "8" << true << true << QList<int>{} << "1";
    }
    void soundsAndOpenConversation()
    {
        QFETCH(QString, toID);
        QFETCH(bool, sound);
        QFETCH(bool, vibrate);
        QFETCH(QString, unread);
        ctx().service<UserInfo>()->setSoundSwitch(sound);
        ctx().service<UserInfo>()->setZdSwitch(vibrate);
        if (!toID.isNull()) {
            manager()->setIsChating(true);
            manager()->setToID(toID);
        }
        receive(incoming(QStringLiteral("9")));
        QTEST(m_sound->played, "played");
        QCOMPARE(this->unread(QStringLiteral("9")), unread);
        QCOMPARE(badge()->number(), unread);
    }

    void messageWithoutSenderIsNotStoredButRecounts()
    {
        receive(incoming(QStringLiteral("9")));
        // A row written elsewhere (another run) is only seen at a recount.
        QVERIFY(store()->setSQLObject({{"LoginInfoID", "5"}, {"SendTime", "1"}, {"message", "x"},
                                       {"ChatType", "2"}, {"unread", "4"}}, kHistory, QStringLiteral("LoginInfoID")));
        m_posted->take();
        receive(incoming(QVariant()));
        QCOMPARE(badge()->number(), QStringLiteral("5"));
        QCOMPARE(store()->counttable(QStringLiteral("chat7to9")), 1);
        QCOMPARE(store()->counttable(kHistory), 2);
        QVERIFY(m_posted->take().isEmpty());
    }

    void nonMessageObjectsAreDropped_data()
    {
        QTest::addColumn<QVariant>("object");
        QTest::newRow("none") << QVariant();
        QTest::newRow("text") << QVariant(QStringLiteral("9"));
        QTest::newRow("list") << QVariant(QVariantList{QStringLiteral("9")});
    }
    void nonMessageObjectsAreDropped()
    {
        QFETCH(QVariant, object);
        receive(object);
        manager()->resetBadgeValueWithLoginInfoID(QStringLiteral("9"));   // a peer never stored: no row either
        QVERIFY(m_sound->played.isEmpty());
        QCOMPARE(store()->counttable(kHistory), 0);
        QVERIFY(m_posted->take().isEmpty());
    }

    void pushNotice_data()
    {
        QTest::addColumn<QVariant>("code");
        QTest::addColumn<QString>("type");   // order-state row marked, or empty
        QTest::addColumn<QStringList>("posted");
        const QStringList business{"MyBusinessPush"};
        QTest::newRow("2") << QVariant("2") << "2" << business;
        QTest::newRow("4") << QVariant("4") << "34" << business;
        QTest::newRow("4 as number") << QVariant(4) << "34" << business;
        QTest::newRow("5") << QVariant("5") << "" << QStringList{"RefreshGetPreFriendList"};
        QTest::newRow("6") << QVariant("6") << "" << QStringList{"RefreshAllFrinedsList"};
        QTest::newRow("7") << QVariant("7") << "" << QStringList{"RefreshAllFrinedsList", "RefreshGetPreFriendList"};
        QTest::newRow("8") << QVariant("8") << "" << QStringList{};
        QTest::newRow("not a number") << QVariant("abc") << "" << QStringList{};
        QTest::newRow("none") << QVariant() << "" << QStringList{};
    }
    void pushNotice()
    {
        QFETCH(QVariant, code);
        QFETCH(QString, type);
        ctx().notificationCenter()->postNotification(QStringLiteral("ReceiveAddFrinedRequest"), code);
        QTEST(m_posted->take(), "posted");
        const QVariantList rows = store()->selectSQLFromtable(QStringLiteral("orderstate7"), QString(), QVariant(), 0, 0, 0);
        if (type.isEmpty()) {
            QVERIFY(rows.isEmpty());
            return;
        }
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().toMap().value("type").toString(), type);
        QCOMPARE(rows.first().toMap().value("unread").toString(), QStringLiteral("YES"));
    }

    void pushMarksOneRowPerType()
    {
        // The business hub has seen type 34 ...
        QVERIFY(store()->setSQLObject({{"unread", "NO"}, {"type", "34"}}, QStringLiteral("orderstate7"),
                                      QStringLiteral("type")));
        // ... and a further notice marks it again, without a second row.
        for (const char *code : {"3", "4", "1"})
            ctx().notificationCenter()->postNotification(QStringLiteral("ReceiveAddFrinedRequest"), QString::fromLatin1(code));
        const QVariantList rows = store()->selectSQLFromtable(QStringLiteral("orderstate7"), QString(), QVariant(), 0, 0, 0);
        QCOMPARE(rows.size(), 2);
        for (const QVariant &r : rows)
            QCOMPARE(r.toMap().value("unread").toString(), QStringLiteral("YES"));
    }
};

QTEST_GUILESS_MAIN(TestChatManager)
#include "tst_chatmanager.moc"
