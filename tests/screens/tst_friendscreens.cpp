// The friends tab's screens against a scripted HTTP service, a fake session server and a real
// store and address-book folder in a temporary data directory.
#include "ScreenHarness.h"

#include "app/Alerts.h"
#include "app/LoadingView.h"
#include "app/SuperController.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/ReachabilityPort.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "screens/im/AddFriendsWithContacts.h"
#include "screens/im/AddFriendsWithPhone.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/im/FriendsDetail.h"
#include "screens/im/FriendsInfo.h"
#include "screens/im/StayWithFriendsViewController.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QtTest>
#include <memory>

namespace {
class FixedReachability : public ReachabilityPort
{
public:
    bool reachable = true;
    bool isReachable(const QString &) const override { return reachable; }
};

QStringList column(const PagedListModel *rows, bool subtitles = false)
{
    QStringList out;
    for (const QVariantMap &r : rows->rows())
        out << r.value(subtitles ? QStringLiteral("subtitle") : QStringLiteral("title")).toString();
    return out;
}
} // namespace

class tst_FriendScreens : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ScreenHarness> m_h;

    AppContext &ctx() { return m_h->context(); }

private slots:
    // User 7 logged in, a plain screen at the root of the stack.
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        UserInfo *user = ctx().service<UserInfo>();
        user->setUserId(QStringLiteral("7"));
        user->setUserTel(QStringLiteral("13800000007"));
        user->setIsOnline(true);
        m_h->open(new SuperController);
    }
    void cleanup() { m_h.reset(); }

    void pendingRowsAndAcceptance()
    {
        QVERIFY(m_h->connectSession());
        m_h->service().setReply(QStringLiteral("IM/GetPreFriendList"), ScriptedReply::json(
            R"({"errorCode":0,"data":[{"InviteType":1,"UserName":"张三","LoginInfoId":"21"},)"
            R"({"InviteType":0,"UserName":"李四","LoginInfoId":"22"},{"UserName":"王五","LoginInfoId":"23"}]})"));
        auto *pending = m_h->open(new StayWithFriendsViewController);
        QTRY_COMPARE(pending->shujuArr()->count(), 3);
        QVERIFY(!pending->hud());
        QCOMPARE(QUrlQuery(QString::fromUtf8(m_h->service().last().body)).queryItemValue(QStringLiteral("info"), QUrl::FullyDecoded),
                 QStringLiteral(R"({"loginInfoID":"7"})"));
        QCOMPARE(column(pending->shujuArr(), true), (QStringList{"(收到的) 点击加为商友", "(发出的) 等待对方验证", ""}));
        pending->didSelectRowAtIndex(1);
        pending->didSelectRowAtIndex(2);
        pending->didSelectRowAtIndex(0);
        QTRY_VERIFY(m_h->sessionServer().received().contains(R"("InviterID":"21")"));
        QVERIFY(!m_h->sessionServer().received().contains("22"));
        // A confirmed request reloads the list.
        ctx().notificationCenter()->postNotification(QStringLiteral("beijiahaoyou"), QStringLiteral("beijiahaoyou"));
        QVERIFY(m_h->service().waitForRequests(2));
    }

    void friendListFillsModelTableAndProfile()
    {
        m_h->service().setReply(QStringLiteral("IM/GetFriendList"), ScriptedReply::json(
            R"({"errorCode":0,"data":[{"LoginInfoId":"31","UserName":"","NickName":"老王","MobilePhone":"13900000031",)"
            R"("CompanyName":"钢联","ProvinceName":"上海","CityName":"上海市","Sorts":"螺纹钢","Extra":"x"},)"
            R"({"LoginInfoId":"32","UserName":"赵六","MobilePhone":"13900000032"}]})"));
        auto *all = m_h->open(new AllMyfriendsViewController);
        QTRY_COMPARE(all->shujuArr()->count(), 2);
        // The table is rewritten on each load: one row per friend, never doubled.
        all->shujuArr()->refresh();
        QVERIFY(m_h->service().waitForRequests(2));
        QTRY_VERIFY(!all->hud());
        QCOMPARE(ctx().service<datamodel>()->dedaohaoyou().size(), 2);
        auto *info = new FriendsInfo;
        info->setLoginInfoID(QStringLiteral("31"));
        m_h->open(info);
        QCOMPARE(info->name(), QStringLiteral("老王"));
        QCOMPARE(info->area(), QStringLiteral("上海 上海市"));
        QCOMPARE(info->sorts(), QStringLiteral("螺纹钢"));
        // Selecting a friend puts them in the recent conversations and opens the conversation.
        all->didSelectRowAtIndex(1);
        const QVariantMap reminder{{"LoginInfoID", "32"}, {"MobilePhone", "13900000032"}, {"UserName", "赵六"}, {"resourceID", "0"}};
        QCOMPARE(ctx().service<datamodel>()->getData(), QVariantList{reminder});
        QVERIFY(m_h->stack().presentedStack());
        ctx().notificationCenter()->postNotification(QStringLiteral("qingkong"), QStringLiteral("qingkong"));
        QCOMPARE(all->shujuArr()->count(), 0);
    }

    void listFailure_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("no network") << false << QStringList{"请检查网络连接状态"};
        QTest::newRow("network up") << true << QStringList{};
    }
    void listFailure()
    {
        QFETCH(bool, reachable);
        QFETCH(QStringList, alerts);
        ctx().setService<ReachabilityPort>(std::make_unique<FixedReachability>())->reachable = reachable;
        m_h->service().setDefaultReply(ScriptedReply::closeWithoutReply());
        auto *all = m_h->open(new AllMyfriendsViewController);
        QTRY_VERIFY(!all->hud());
        PlatformAlert *alert = ctx().service<Alerts>()->topAlert();
        QCOMPARE(alert ? QStringList{alert->message()} : QStringList(), alerts);
    }

    void addingByNumber_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("message");
        QTest::newRow("disconnected") << false << "13900000001" << "已断开连接请重新登录";
        QTest::newRow("own number") << true << "13800000007" << "不能添加自己为好友";
        QTest::newRow("another") << true << "13900000001" << "";
    }
    void addingByNumber()
    {
        QFETCH(bool, connected);
        QFETCH(QString, phone);
        QFETCH(QString, message);
        if (connected)
            QVERIFY(m_h->connectSession());
        else
            ctx().mutableConfig().sessionPort = FakeSessionServer::unusedPort();
        m_h->open(new SuperController);
        auto *add = m_h->open(new AddFriendsWithPhone);
        FormField *number = add->form()->field(QStringLiteral("phone"));
        number->setText(phone);
        add->sure();
        QCOMPARE(m_h->alertTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        PlatformAlert *alert = ctx().service<Alerts>()->topAlert();
        QCOMPARE(alert != nullptr, message.isEmpty());
        if (!alert) {   // refused: nothing goes out
            QVERIFY(!connected || ctx().service<Socket>()->asyncSocket()->bytesToWrite() == 0);
            return;
        }
        QCOMPARE(alert->message(), QStringLiteral("已向13900000001发送邀请!"));
        QTRY_VERIFY(m_h->sessionServer().received().contains(R"("Phone":"13900000001")"));
        alert->clickedButtonAtIndex(1);
        QCOMPARE(number->text(), QString());
        QCOMPARE(m_h->stack().depth(), 3);
        number->setText(phone);
        add->sure();
        ctx().service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(m_h->stack().depth(), 1);
    }

    void addressBookSearchNarrows()
    {
        QDir(m_h->testContext().dataDir()).mkpath(QStringLiteral("Contacts"));
        QFile vcf(m_h->testContext().dataDir() + QStringLiteral("/Contacts/people.vcf"));
        QVERIFY(vcf.open(QIODevice::WriteOnly));
        vcf.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:张;三;;;\r\nTEL;TYPE=CELL:13800000001\r\nEND:VCARD\r\n"
                  "BEGIN:VCARD\nN:李;四\nitem1.TEL:13900000002\nTEL:13900000009\nEND:VCARD\n"
                  "BEGIN:VCARD\nN:没;号码\nEMAIL:x@y.z\nEND:VCARD\n");
        vcf.close();
        auto *contacts = m_h->open(new AddFriendsWithContacts);
        QVERIFY(contacts->loading() && contacts->loading()->inSuperview());
        QTRY_COMPARE(contacts->dataArray()->count(), 2);
        QVERIFY(!contacts->loading());
        QCOMPARE(column(contacts->dataArray()), (QStringList{"张三  13800000001", "李四  13900000002"}));
        const QList<std::pair<QString, QStringList>> steps{
            {"138", {"张三  13800000001"}}, {"13", {"张三  13800000001"}}, {"", {"张三  13800000001", "李四  13900000002"}},
            {"李四139", {"李四  13900000002"}}};
        for (const auto &[text, shown] : steps) {
            contacts->setSearchText(text);
            QCOMPARE(column(contacts->dataArray()), shown);
        }
        contacts->didSelectRowAtIndex(0);
        auto *detail = qobject_cast<FriendsDetail *>(m_h->stack().topViewController());
        QVERIFY(detail);
        QCOMPARE(detail->phone(), QStringLiteral("13900000002"));
    }
};

QTEST_MAIN(tst_FriendScreens)
#include "tst_friendscreens.moc"
