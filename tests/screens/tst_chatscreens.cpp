// The conversation and recent-conversation screens against a real store in a temporary folder
// and a fake session server.
#include "ScreenHarness.h"

#include "app/Alerts.h"
#include "app/SuperController.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "screens/im/ChatOpener.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/SteelChatViewController.h"

#include <QtTest>
#include <memory>

namespace {
const QString kTable = QStringLiteral("chat7to9");

QVariantMap message(int time, const QString &resource, const QString &content, bool mine = false)
{
    return {{"Type", "2"}, {"SenderID", mine ? "7" : "9"}, {"ReceiverID", mine ? "9" : "7"},
            {"SendTime", QString::number(time)}, {"Content", content}, {"ResourceID", resource},
            {"SenderMobileNumber", "13900001111"}};
}

QStringList contents(const ChatMessageList *list)
{
    QStringList out;
    for (const QVariant &m : list->messages())
        out << m.toMap().value(QStringLiteral("Content")).toString();
    return out;
}
} // namespace

class tst_ChatScreens : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ScreenHarness> m_h;

    AppContext &ctx() { return m_h->context(); }
    SQLITE *store() { return ctx().service<SQLITE>(); }
    void storeMessages(int n, const QString &resource = QStringLiteral("0"), int firstTime = 100)
    {
        for (int i = 0; i < n; ++i)
            QVERIFY(store()->addSQLObject(message(firstTime + i, resource, QString::number(i + 1)), kTable));
    }
    /// Opens the conversation with peer 9 about resource over a plain root screen.
    SteelChatViewController *open(const QString &resource = QStringLiteral("0"))
    {
        return ChatOpener::open(m_h->stack().rootViewController(), QStringLiteral("9"), resource, QStringLiteral("老李"));
    }

private slots:
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        ctx().clock().setFixed(1000);
        UserInfo *user = ctx().service<UserInfo>();
        user->setUserId(QStringLiteral("7"));
        user->setUserTel(QStringLiteral("13800000007"));
        m_h->open(new SuperController);
    }
    void cleanup() { m_h.reset(); }

    void onlyTheConversationsResourceIsShown()
    {
        storeMessages(3, QStringLiteral("0"));
        storeMessages(2, QStringLiteral("15"), 200);
        storeMessages(2, QStringLiteral("0"), 300);
        SteelChatViewController *chat = open(QStringLiteral("15"));
        QCOMPARE(contents(chat->chatDataArray()), (QStringList{"1", "2"}));
        chat->loadDidFinished();
        QCOMPARE(chat->chatDataArray()->count(), 2);
    }

    void pagesOfFive_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QList<int>>("shownAfterEachPull");
        QTest::newRow("3 stored") << 3 << QList<int>{3, 3};
        QTest::newRow("12 stored") << 12 << QList<int>{5, 10, 12, 12};
        QTest::newRow("none stored") << 0 << QList<int>{0, 0};
    }
    void pagesOfFive()
    {
        QFETCH(int, stored);
        QFETCH(QList<int>, shownAfterEachPull);
        storeMessages(stored);
        SteelChatViewController *chat = open();
        QCOMPARE(chat->chatDataArray()->count(), shownAfterEachPull.first());
        for (int i = 1; i < shownAfterEachPull.size(); ++i) {
            chat->pullToLoadEarlier();
            QVERIFY(chat->reLoading());
            QTRY_VERIFY(!chat->reLoading());
            QCOMPARE(chat->chatDataArray()->count(), shownAfterEachPull.at(i));
        }
        // Oldest first, each stored row once.
        const QStringList shown = contents(chat->chatDataArray());
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(shown.at(i), QString::number(stored - shown.size() + i + 1));
    }

    void apostropheGoesOutDoubledAndComesBackSingle()
    {
        QVERIFY(m_h->connectSession());
        SteelChatViewController *chat = open();
        chat->setInputText(QStringLiteral("it's"));
        chat->sendButtonClicked();
        QTRY_VERIFY(m_h->sessionServer().received().contains(R"("Content":"it''s")"));
        QCOMPARE(chat->inputText(), QString());
        QCOMPARE(contents(chat->chatDataArray()), QStringList{"it's"});
        QCOMPARE(store()->selectSQLFromtable(kTable, {}, {}, 0, 0, 0).first().toMap().value("Content").toString(),
                 QStringLiteral("it's"));
    }

    void messageFromTheOpenPeerAppearsInTimeOrder()
    {
        storeMessages(2);
        SteelChatViewController *chat = open();
        // A row stored with an earlier time than those shown still takes its place by time.
        QVERIFY(store()->addSQLObject(message(50, QStringLiteral("0"), QStringLiteral("early")), kTable));
        ctx().notificationCenter()->postNotification(QStringLiteral("InstantMessage"),
                                                     message(0, QStringLiteral("0"), QStringLiteral("new")));
        QCOMPARE(contents(chat->chatDataArray()), (QStringList{"early", "1", "2", "new"}));
        // Read at once: the open conversation counts nothing unread.
        QCOMPARE(store()->sumWithKey(QStringLiteral("unread"), QStringLiteral("historyMSG7"), {}, {}), QStringLiteral("0"));
        ctx().notificationCenter()->postNotification(QStringLiteral("SocketDidReceiveMessage"));
        QCOMPARE(chat->chatDataArray()->count(), 4);
    }

    void sendRules_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("sent");
        QTest::newRow("1999 characters") << 1999 << QString() << true;
        QTest::newRow("2000 characters") << 2000 << QStringLiteral("发送消息内容超长，请分条发送。") << false;
        QTest::newRow("empty") << 0 << QString() << false;
    }
    void sendRules()
    {
        QFETCH(int, length);
        QFETCH(QString, message);
        QFETCH(bool, sent);
        QVERIFY(m_h->connectSession());
        SteelChatViewController *chat = open();
        const QString text(length, QLatin1Char('x'));
        chat->setInputText(text);
        chat->sendButtonClicked();
        QCOMPARE(m_h->alertTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(chat->chatDataArray()->count(), sent ? 1 : 0);
        QCOMPARE(chat->inputText(), sent ? QString() : text);
    }

    void sendingWhileDisconnectedOffersToReconnect()
    {
        ctx().mutableConfig().sessionPort = FakeSessionServer::unusedPort();
        Socket *channel = ctx().service<Socket>();
        QTRY_VERIFY(!channel->isConnected() && !channel->asyncSocket());
        SteelChatViewController *chat = open();
        chat->setInputText(QStringLiteral("hi"));
        chat->sendButtonClicked();
        PlatformAlert *alert = ctx().service<Alerts>()->topAlert();
        QVERIFY(alert);
        QCOMPARE(alert->message(), QStringLiteral("断开连接，是否重新连接"));
        QCOMPARE(alert->buttonTitles(), (QStringList{"取消", "重连"}));
        const int attempts = channel->connectAttempts();
        alert->clickedButtonAtIndex(1);
        QCOMPARE(channel->connectAttempts(), attempts + 1);
        QCOMPARE(chat->inputText(), QStringLiteral("hi"));
    }

    void deletingARecentConversationRemovesAllItsReminders()
    {
        datamodel *model = ctx().service<datamodel>();
        const QVariantMap peer{{"LoginInfoID", "9"}, {"UserName", "超市询盘"}, {"resourceID", "0"}, {"MobilePhone", "139"}};
        const QVariantMap other{{"LoginInfoID", "8"}, {"UserName", "超市询盘"}, {"resourceID", "0"}, {"MobilePhone", "138"}};
        model->arradd(other);
        model->arradd(peer);
        model->jiarutixing(peer);
        model->jiarutixing(other);
        auto *recent = new RecentContactViewController;
        m_h->open(recent);
        QCOMPARE(recent->rows()->count(), 2);
        QVERIFY(recent->rows()->row(1).marked);
        recent->deleteRowAtIndex(1);
        QCOMPARE(model->getData(), QVariantList{other});
        QCOMPARE(model->huoqutixingarr(), QVariantList{other});
        QCOMPARE(recent->rows()->count(), 1);
        // Selecting a row clears its mark and opens its conversation.
        recent->didSelectRowAtIndex(0);
        QVERIFY(model->huoqutixingarr().isEmpty());
        QVERIFY(!recent->rows()->row(0).marked);
        QVERIFY(qobject_cast<SteelChatViewController *>(m_h->stack().presentedStack()->rootViewController()));
    }

    void enquiry_data()
    {
        QTest::addColumn<QString>("seller");
        QTest::addColumn<bool>("opened");
        QTest::newRow("own resource") << "7" << false;
        QTest::newRow("another seller") << "9" << true;
    }
    void enquiry()
    {
        QFETCH(QString, seller);
        QFETCH(bool, opened);
        const QVariantMap resource{{"LoginInfoID", seller}, {"ID", "15"}, {"mobile", "13900001111"}};
        SteelChatViewController *chat = ChatOpener::openEnquiry(m_h->stack().rootViewController(), resource);
        QCOMPARE(chat != nullptr, opened);
        QCOMPARE(m_h->alertTexts(), opened ? QStringList() : QStringList{"不能跟自己洽谈旺旺"});
        QCOMPARE(ctx().service<datamodel>()->getData().size(), opened ? 1 : 0);
        if (opened) {
            QCOMPARE(chat->ziyuanID(), QStringLiteral("15"));
            QVERIFY(!chat->rightButtonShown());
            chat->popViewController();
            QVERIFY(!m_h->stack().presentedStack());
        }
    }
};

QTEST_MAIN(tst_ChatScreens)
#include "tst_chatscreens.moc"
