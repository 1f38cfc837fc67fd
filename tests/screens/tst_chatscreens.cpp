// The conversation and recent-conversation screens against a real store in a temporary folder
// and a fake session server.
#include "ScreenHarness.h"

#include "app/Alerts.h"
#include "app/SuperController.h"
#include "core/platform/BadgePort.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "core/util/JsonReader.h"
#include "screens/im/ChatOpener.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/SteelChatViewController.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {
const QString kTable = QStringLiteral("chat7to9");

QVariantMap message(int time, const QString &resource, const QString &content, bool mine = false)
{
    return {{"Type", "2"}, {"SenderID", mine ? "7" : "9"}, {"ReceiverID", mine ? "9" : "7"},
            {"SendTime", QString::number(time)}, {"Content", content}, {"ResourceID", resource},
            {"SenderMobileNumber", "13900001111"}};
}

struct RecordedBadge : BadgePort { QString value; void setBadgeValue(const QString &v) override { value = v; } };
auto *recentOf(ScreenHarness &h) { return qobject_cast<RecentContactViewController *>(h.stack().topViewController()); }
auto *openChat(ScreenHarness &h, const QString &peer) { return ChatOpener::open(h.stack().rootViewController(), peer, "0", "李"); }
QStringList seen(ScreenHarness &h)
{
    QStringList out;
    for (const ContactRowsModel::Row &r : recentOf(h)->rows()->rows())
        out << r.title + u' ' + r.subtitle + (r.marked ? QStringLiteral(" •") : QString());
    return out << static_cast<RecordedBadge *>(h.context().service<BadgePort>())->value;
}
void arrives(ScreenHarness &h, const QString &peer, double time = 1000)
{
    h.context().clock().setFixed(time);
    h.context().notificationCenter()->postNotification(QStringLiteral("InstantMessage"),
        QVariantMap{{"SenderID", peer}, {"ResourceID", "0"}, {"SenderMobileNumber", "1390000" + peer}});
}
void logIn(ScreenHarness &h, const QString &id)
{
    h.context().setService<BadgePort>(std::make_unique<RecordedBadge>());
    h.context().service<ChatManager>();
    h.context().service<UserInfo>()->setUserId(id);
    h.context().service<UserInfo>()->setIsOnline(true);
}
using Script = std::function<QStringList(ScreenHarness &)>;

QStringList contents(const ChatMessageList *list)
{
    QStringList out;
    for (const QVariant &m : list->messages())
        out << m.toMap().value(QStringLiteral("Content")).toString();
    return out;
}
} // namespace

Q_DECLARE_METATYPE(Script)

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

    // What a send leaves: the alert, the line shown and stored, the input; an apostrophe goes out
    // doubled and comes back single.
    void sendRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("wire");   // empty: nothing sent
        QTest::newRow("1999 characters") << QString(1999, u'x') << QString() << "\"Content\":\"" + QByteArray(1999, 'x') + '"';
        QTest::newRow("2000 characters") << QString(2000, u'x') << QStringLiteral("发送消息内容超长，请分条发送。") << QByteArray();
        QTest::newRow("empty") << QString() << QString() << QByteArray();
        QTest::newRow("apostrophe") << QStringLiteral("it's") << QString() << QByteArray(R"("Content":"it''s")");
    }
    void sendRules()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QByteArray, wire);
        QVERIFY(m_h->connectSession());
        SteelChatViewController *chat = open();
        chat->setInputText(text);
        chat->sendButtonClicked();
        QCOMPARE(m_h->alertTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(contents(chat->chatDataArray()), wire.isEmpty() ? QStringList() : QStringList{text});
        QCOMPARE(chat->inputText(), wire.isEmpty() ? text : QString());
        const QVariantList stored = store()->selectSQLFromtable(kTable, {}, {}, 0, 0, 0);
        QCOMPARE(stored.size(), wire.isEmpty() ? 0 : 1);
        if (wire.isEmpty())
            return;
        // Exactly what went out is stored; the conversation shows it, with nothing unread.
        const FakeSessionServer &server = m_h->sessionServer();
        QTRY_VERIFY(server.received().contains(wire) && server.received().endsWith('}'));
        QVariantMap row = stored.first().toMap();
        row.remove(QStringLiteral("id"));
        QVariantMap sent = JsonReader::read(server.received().mid(8)).toMap();   // one frame: its header, then the body
        sent.insert(QStringLiteral("Content"), text);   // only the wire doubles an apostrophe
        QCOMPARE(row, sent);
        const QVariantMap conversation = store()->selectSQLFromtable(QStringLiteral("historyMSG7"), {}, {}, 0, 0, 0).value(0).toMap();
        QCOMPARE(conversation.value(QStringLiteral("message")).toString() + u'|' + conversation.value(QStringLiteral("unread")).toString(),
                 text + u'|');
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

    // Marks and badge follow what was read and who is logged in; the list outlives a restart;
    // a delete never leaves the next row's open; a conversation shows its newest message.
    void recentConversations_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unread, one redraw") << Script([](ScreenHarness &h) {
            QSignalSpy redraws(recentOf(h)->rows(), &QAbstractItemModel::modelReset);
            arrives(h, "9");
            return seen(h) << QString::number(redraws.size()); }) << QStringList{"超市询盘 13900009 •", "1", "1"};
        QTest::newRow("read, then more while open") << Script([](ScreenHarness &h) {
            arrives(h, "9"); openChat(h, "9"); arrives(h, "9"); return seen(h); }) << QStringList{"超市询盘 13900009", "0"};
        QTest::newRow("logout, next user") << Script([](ScreenHarness &h) {
            arrives(h, "9"); h.context().service<UserInfo>()->destroy(); logIn(h, "8"); return seen(h); }) << QStringList{"0"};
        QTest::newRow("restart: newest first, deleted gone") << Script([](ScreenHarness &h) {
            arrives(h, "9"); arrives(h, "5", 1100); arrives(h, "6", 1050);
            openChat(h, "5")->popViewController();
            recentOf(h)->deleteRowAtIndex(2);
            h.restart(); logIn(h, "7"); h.open(new RecentContactViewController);
            return seen(h); }) << QStringList{"超市询盘 13900005", "超市询盘 13900009 •", "1"};
        QTest::newRow("select clears its mark, delete all its reminders, none open after") << Script([](ScreenHarness &h) {
            arrives(h, "9"); arrives(h, "9"); arrives(h, "5");
            RecentContactViewController *r = recentOf(h);
            r->didSelectRowAtIndex(1); r->pointerOverRow(0, true); r->deleteRowAtIndex(0);
            r->pointerOverRow(0, false); r->pointerOverRow(0, true);   // the deleted row leaves, the next comes
            return seen(h) << QString::number(r->deleteShownAt()); }) << QStringList{"超市询盘 13900005", "0", "-1"};
        QTest::newRow("opens at the newest, again on return") << Script([](ScreenHarness &h) {
            SteelChatViewController *chat = openChat(h, "9");
            chat->scrollViewWillBeginDragging(); chat->pushViewController(new SuperController);
            chat->navigationController()->popViewController();
            return QStringList{QString::number(chat->followsNewest())}; }) << QStringList{"1"};
    }
    void recentConversations()
    {
        QFETCH(Script, script);
        logIn(*m_h, "7");
        m_h->open(new RecentContactViewController);
        QTEST(script(*m_h), "expected");
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
