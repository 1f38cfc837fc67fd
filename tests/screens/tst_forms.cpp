// The forms and the login gate through one harness: what is typed, how it is sent (the button or
// Return in the last field), what the user is told and what went out.
#include "ScreenHarness.h"
#include "app/Alerts.h"
#include "app/BusinessTabBar.h"
#include "app/SuperTableViewController.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/UserInfo.h"
#include "screens/account/LoginGate.h"
#include "screens/account/MyAccount.h"
#include "screens/account/UserLogin.h"
#include "screens/im/AddFriendsWithPhone.h"
#include "screens/im/InviteFriend.h"
#include "screens/im/MyFriends.h"
#include "screens/market/FindItem.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"
#include "screens/resources/AddResure.h"
#include "screens/resources/Pickcaizhi2ViewController.h"
#include "app/AlertStyleValue1.h"

#include <QTest>

namespace {
const QString kOrder = QStringLiteral("Market/ToOrder");

GoBuy *openLot(ScreenHarness &h)
{
    h.reply(QStringLiteral("Market/Details"), R"({"errorCode":0,"data":{"price":"3600","Discuss":true}})");
    auto *buy = new GoBuy;
    buy->setOrderId(QStringLiteral("42"));
    h.open(buy);
    h.settle();
    return buy;
}

/// A form screen, opened with user 7 logged in (the login screen: logged out): its button, and
/// how many of its submissions went out.
using Sent = std::function<int(ScreenHarness &, BaseScreen *)>;
struct FormScreen
{
    std::function<BaseScreen *(ScreenHarness &)> open;
    const char *button;
    Sent sent;
};
Sent callsTo(const char *path) { return [path](ScreenHarness &h, BaseScreen *) { return h.count(QString::fromLatin1(path)); }; }

const QMap<QString, FormScreen> kScreens{
    {"FindItem", {[](ScreenHarness &h) { return h.open(new FindItem); }, "beginFind", callsTo("Index/FindResource")}},
    {"InviteFriend", {[](ScreenHarness &h) { return h.open(new InviteFriend); }, "tellMyFriend", callsTo("Index/inviteFriends")}},
    {"GoBuy", {openLot, "submit", callsTo("Market/ToOrder")}},
    {"UserLogin", {[](ScreenHarness &h) { h.sessionServer(); UserInfo::info()->setIsOnline(false); return h.open(new UserLogin); },
                   "login", [](ScreenHarness &, BaseScreen *s) { return int(static_cast<UserLogin *>(s)->requesting()); }}},
    {"AddFriendsWithPhone", {[](ScreenHarness &h) { h.connectSession(); return h.open(new AddFriendsWithPhone); }, "sure",
                             [](ScreenHarness &h, BaseScreen *) { return int(h.context().service<Alerts>()->topAlert() != nullptr); }}},
};

/// The resource form's opener: counts what it is told.
struct ResourceOpener : SuperController, AddResureDelegate
{
    int heard = 0;
    void resureEditorDidFinished(AddResure *) override { ++heard; }
};

// One step of a resource form row: "cat/kind/mat <name>" picks by name (a material is typed when
// the kind lists none), "count" and "city" the first entries, "key=text" types, "other" is the
// category picker under another title, "save", "sure", "cancel" and "escape" answer the result.
void resourceStep(ScreenHarness &h, AddResure *f, const QString &step)
{
    const auto top = [&h] { return qobject_cast<InfoSelector *>(h.stack().topViewController()); };
    const auto choose = [&](const QString &name) {
        const QList<QVariantMap> rows = top()->list()->rows();
        for (int i = 0; i < rows.size(); ++i)
            if (rows.at(i).value(QStringLiteral("text")) == name)
                return top()->didSelectRow(i);
        top()->form()->field(QStringLiteral("material"))->setText(name);
        qobject_cast<Pickcaizhi2ViewController *>(top())->confirm();
    };
    const QString arg = step.section(u' ', 1), verb = step.section(u' ', 0, 0);
    auto *choice = qobject_cast<AlertStyleValue1 *>(f->viewWithTag(FerroxAlert::kTag));
    if (step.contains(u'='))
        f->form()->field(step.section(u'=', 0, 0))->setText(step.section(u'=', 1));
    else if (verb == u"save")
        f->save(), h.settle();
    else if (verb == u"sure" || verb == u"cancel" || verb == u"escape")
        verb == u"sure" ? choice->sure() : verb == u"cancel" ? choice->close() : choice->cancel();
    else {
        QMetaObject::invokeMethod(f, QStringLiteral("choose%1").arg(QMap<QString, QString>{{"cat", "Category"}, {"other", "Category"}, {"kind", "Kind"}, {"mat", "Material"}, {"count", "CountType"}, {"city", "City"}}[verb]).toLatin1());
        if (verb == u"other")
            top()->setTitle(QStringLiteral("选择资源"));
        if (verb == u"city")
            top()->didSelectRow(2);
        arg.isEmpty() ? top()->didSelectRow(0) : choose(arg);
    }
}
} // namespace

class TestForms : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        UserInfo::info()->setUserId(QStringLiteral("7"));
        UserInfo::info()->setIsOnline(true);
    }
    void cleanup() { m_h.reset(); }

    // Typed text the field's keypad could not give is refused, so it counts as missing.
    void submission_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("sentValue");   // key=value of the call that went out
        const QString placed = GoBuy::orderPlacedText(), badNumber = QStringLiteral("手机号码格式不正确"), noPhone = "手机号码不能为空",
                      noWeight = "采购重量不能为零";
        const QStringList none;
        QTest::newRow("find goods: no number") << "FindItem" << none << false << noPhone << 0 << "";
        QTest::newRow("find goods: letters refused") << "FindItem" << QStringList{"phone=abcdefg我要螺纹钢"} << false << noPhone << 0 << "";
        QTest::newRow("find goods: 300 digits refused") << "FindItem" << QStringList{"phone=" + QString(300, u'1')} << false << noPhone << 0 << "";
        QTest::newRow("find goods: Return sends") << "FindItem" << QStringList{"phone=13900000000"} << true << FindItem::receivedText() << 1
                                                  << "content=13900000000";
        QTest::newRow("invite: nothing typed") << "InviteFriend" << none << false << "请至少推荐一个好友哦" << 0 << "";
        QTest::newRow("invite: a full-width comma goes as a comma")
            << "InviteFriend" << QStringList{"list=13900000001，13900000002"} << false
            << "尊敬的用户，您的邀请已经发送，TA安装登录后，奖金即刻到账，马上有钱！" << 1 << "inviteList=13900000001,13900000002";
        QTest::newRow("buy: no weight") << "GoBuy" << QStringList{"price=3500"} << false << noWeight << 0 << "";
        QTest::newRow("buy: letters in the weight refused") << "GoBuy" << QStringList{"weight=abc12.5x", "price=3500"} << false << noWeight << 0 << "";
        QTest::newRow("buy: 1e3 refused") << "GoBuy" << QStringList{"weight=1e3", "price=3500"} << false << noWeight << 0 << "";
        QTest::newRow("buy: no price") << "GoBuy" << QStringList{"weight=20", "price="} << false << "采购价格不能为零" << 0 << "";
        QTest::newRow("buy: a typed 0 passes") << "GoBuy" << QStringList{"weight=0", "price=0"} << false << placed << 1 << "bweight=0.00";
        QTest::newRow("buy: Return in the price orders") << "GoBuy" << QStringList{"weight=20.5", "price=3500"} << true << placed << 1
                                                         << "bweight=20.50";
        QTest::newRow("login: both empty, the number first") << "UserLogin" << none << false << badNumber << 0 << "";
        QTest::newRow("login: 10 digits") << "UserLogin" << QStringList{"user=1390000111", "pass=pw"} << false << badNumber << 0 << "";
        QTest::newRow("login: letters refused") << "UserLogin" << QStringList{"user=abcdefghijk", "pass=pw"} << false << badNumber << 0 << "";
        QTest::newRow("login: no password") << "UserLogin" << QStringList{"user=13900001111"} << false << "密码不能为空" << 0 << "";
        QTest::newRow("login: Return in the password") << "UserLogin" << QStringList{"user=13900001111", "pass=pw"} << true << "" << 1 << "";
        QTest::newRow("add friend: letters refused") << "AddFriendsWithPhone" << QStringList{"phone=abc"} << false << "请输入手机号码" << 0 << "";
        QTest::newRow("add friend: Return sends") << "AddFriendsWithPhone" << QStringList{"phone=13900000001"} << true << "" << 1 << "";
    }
    void submission()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, typed);
        QFETCH(bool, byReturn);
        QFETCH(QString, alert);
        QFETCH(int, sent);
        QFETCH(QString, sentValue);
        const FormScreen &kind = kScreens[screen];
        BaseScreen *s = kind.open(*m_h);
        for (const QString &entry : std::as_const(typed))
            s->form()->field(entry.section(u'=', 0, 0))->setText(entry.section(u'=', 1));
        if (byReturn)
            QVERIFY(s->form()->lastEnabledField()->returnPressed());
        else
            QMetaObject::invokeMethod(s, kind.button);
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->alertTexts(), alert.isEmpty() ? QStringList() : QStringList{alert});
        QCOMPARE(kind.sent(*m_h, s), sent);
        if (!sentValue.isEmpty()) {
            const QString path = QString::fromUtf8(m_h->service().last().path);
            QCOMPARE(m_h->sent(path).value(sentValue.section(u'=', 0, 0)).toString(), sentValue.section(u'=', 1));
        }
    }

    // The resource form: the picks it records from the category tree, its checks, what a save
    // sends and what each answer to the result does. A new category drops the recorded kind too.
    void resourceForm_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QStringList>("sent");   // key=value of the one save; none: nothing sent
        QTest::addColumn<QString>("shown");      // category/kind/material/weighing/city/spec
        QTest::addColumn<int>("heard");
        const QStringList full{"cat 板材", "kind 热轧板卷", "mat SPHC", "count", "city", "spec=2.0*1250", "yieldly=宝钢", "weight=30", "price=3600", "cangku=一号库"};
        const QString missing = AddResure::incompleteText();
        QTest::newRow("resource: no warehouse") << full.mid(0, 9) + QStringList{"save"} << missing << QStringList{} << "板材/热轧板卷/SPHC/理计/河北 石家庄/2.0*1250" << 0;
        QTest::newRow("resource: typed material, 现在就去发布")
            << QStringList{"cat 板材", "kind 冷轧板卷", "mat Q345"} + full.mid(3) + QStringList{"save", "sure"} << "" << QStringList{"sortID=12", "nsortID=5", "materials=Q345", "counttype=理计", "cityID=1301", "resourceid=0", "discount=0"} << "板材/冷轧板卷/Q345/理计/河北 石家庄/2.0*1250" << 1;
        QTest::newRow("resource: a new category empties kind and material") << full + QStringList{"cat 型材", "save"} << missing << QStringList{} << "型材///理计/河北 石家庄/2.0*1250" << 0;
        QTest::newRow("resource: another title tells no one") << QStringList{"other"} << "" << QStringList{} << "/////" << 0;
        QTest::newRow("resource: 继续添加 clears everything") << full + QStringList{"save", "cancel", "save"} << missing << QStringList{"spec=2.0*1250"} << "/////" << 0;
        QTest::newRow("resource: Escape leaves, the form kept") << full + QStringList{"save", "escape"} << "" << QStringList{"spec=2.0*1250"} << "板材/热轧板卷/SPHC/理计/河北 石家庄/2.0*1250" << 1;
        QTest::newRow("resource: edit, 回资源首页") << QStringList{"edit", "save", "cancel"} << "" << QStringList{"resourceid=88", "discount=0", "nsortID=4", "provinceID=13", "counttype=过磅", "materials=Q235"} << "板材/热轧板卷/Q235/过磅/河北 石家庄/2.0" << 1;
    }
    void resourceForm()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, alert);
        QFETCH(QStringList, sent);
        QFETCH(QString, shown);
        QFETCH(int, heard);
        const QString save = QStringLiteral("Market/EditResource");
        m_h->reply(QStringLiteral("steel/GetQueryCondition"), R"({"errorCode":0,"data":[{"sortID":"0","sortName":"热门种类","nsort":[]},
            {"sortID":12,"sortName":"板材","nsort":[{"nsortID":4,"nsortName":"热轧板卷","MaterialsRule":[{"Materials":"Q235"},{"Materials":"SPHC"}]},{"nsortID":5,"nsortName":"冷轧板卷"}]},
            {"sortID":13,"sortName":"型材","nsort":[{"nsortID":7,"nsortName":"工字钢"}]}]})");
        m_h->reply(save, R"({"errorCode":0,"message":"资源已保存"})");
        m_h->open(new SuperController);
        auto *opener = m_h->open(new ResourceOpener);
        const QVariantMap detail{{"sortID", 12}, {"sortName", "板材"}, {"nsortID", 4}, {"nsortName", "热轧板卷"}, {"countType", "过磅"},
                                 {"provinceID", 13}, {"cityID", 1301}, {"provinceName", "河北"}, {"cityName", "石家庄"}, {"spec", "2.0"},
                                 {"materials", "Q235"}, {"yieldly", "宝钢"}, {"weight", 30}, {"price", 3600}, {"discount", 50}, {"cangku", "一号库"}};
        auto *f = steps.value(0) == u"edit" ? AddResure::toEdit(QStringLiteral("88"), detail) : new AddResure;
        f->setDelegate(opener);
        m_h->open(f);
        QVERIFY(m_h->settle());
        QCOMPARE(f->dalei(), QStringList({"板材", "型材"}));
        for (const QString &step : std::as_const(steps))
            if (step != u"edit")
                resourceStep(*m_h, f, step);
        QCOMPARE(m_h->alertTexts(), alert.isEmpty() ? QStringList() : QStringList{alert});
        QCOMPARE(m_h->count(save), sent.isEmpty() ? 0 : 1);
        for (const QString &kv : std::as_const(sent))
            QCOMPARE(m_h->sent(save).value(kv.section(u'=', 0, 0)).toString(), kv.section(u'=', 1));
        QCOMPARE(opener->heard, heard);
        QCOMPARE(QStringList({f->categoryTitle(), f->kindTitle(), f->material(), f->countTypeTitle(), f->cityTitle(),
                              f->form()->text(QStringLiteral("spec"))}).join(u'/'), shown);
        QCOMPARE(m_h->stack().topViewController() == opener, heard == 1);
    }

    // One order per opening of a lot: not while it is on its way, not once placed; a refusal
    // lets the buyer try again.
    void buyOnce_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("orders");
        QTest::addColumn<QString>("title");
        QTest::newRow("placed") << QByteArray(R"({"errorCode":0})") << 1 << "订单已提交";
        QTest::newRow("refused") << QByteArray(R"({"errorCode":1,"message":"库存不足"})") << 2 << "立即购买";
    }
    void buyOnce()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, orders);
        QFETCH(QString, title);
        RememberedResources::remember(QStringLiteral("7"), {{"resourceId", "42"}});
        GoBuy *buy = openLot(*m_h);
        m_h->reply(kOrder, reply);
        buy->form()->field(QStringLiteral("weight"))->setText(QStringLiteral("20"));
        buy->form()->field(QStringLiteral("price"))->setText(QStringLiteral("3500"));
        buy->submit();
        buy->submit();   // pressed again while the first is on its way
        QVERIFY(!buy->buyEnabled());
        QVERIFY(m_h->settle());
        buy->submit();   // pressed again once answered
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->count(kOrder), orders);
        QCOMPARE(buy->buyTitle(), title);
        QCOMPARE(RememberedResources::all(QStringLiteral("7")).size(), orders == 1 ? 0 : 1);   // forgotten once ordered
    }

    // Return presses the only button of a message; an alert with a choice waits for it.
    void returnPressesTheOnlyButton()
    {
        Alerts *alerts = m_h->context().service<Alerts>();
        alerts->showAlert({}, QStringLiteral("确定删除该资源吗?"), {QStringLiteral("否"), QStringLiteral("是")});
        QVERIFY(!alerts->confirm());
        alerts->topAlert()->clickedButtonAtIndex(0);
        alerts->showAlert({}, QStringLiteral("发布成功"), {QStringLiteral("确定")});
        QVERIFY(alerts->confirm());
        QVERIFY(alerts->views().isEmpty());
    }

    // Every kind of screen gates the same way: an action asks for a login (with a back button),
    // a guarded screen is covered whenever nobody is logged in (without one) and again after a
    // logout; a finished login closes the login screen.
    void gate_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("plain screen, an action") << "SuperController" << false;
        QTest::newRow("list screen, an action") << "SuperTableViewController" << false;
        QTest::newRow("tabbed screen, an action") << "BusinessTabBar" << false;
        QTest::newRow("tabbed screen, guarded") << "BusinessTabBar" << true;
        QTest::newRow("friends tab") << "MyFriends" << true;
        QTest::newRow("account tab") << "MyAccount" << true;
    }
    void gate()
    {
        QFETCH(QString, screen);
        QFETCH(bool, guarded);
        UserInfo::info()->setIsOnline(false);
        UserInfo::info()->setUserPass(QStringLiteral("secret"));   // remembered: the login screen is filled
        const QMap<QString, std::function<ViewController *()>> make{
            {"SuperController", [] { return new SuperController; }},
            {"SuperTableViewController", [] { return new SuperTableViewController; }},
            {"BusinessTabBar", [] { return new BusinessTabBar; }},
            {"MyFriends", [] { return new MyFriends; }},
            {"MyAccount", [] { return new MyAccount; }}};
        ViewController *s = m_h->open(make[screen]());
        int loggedIn = 0;
        if (guarded && screen == u"BusinessTabBar")
            LoginGate::guard(s, [&loggedIn] { ++loggedIn; });
        if (!guarded)
            QCOMPARE(LoginGate::requireLogin(s), false);
        auto *login = qobject_cast<UserLogin *>(m_h->stack().topViewController());
        QVERIFY(login);
        QCOMPARE(m_h->stack().depth(), 2);   // one login screen, however it was asked for
        QCOMPARE(login->backButtonShown(), !guarded);
        QCOMPARE(login->passText(), QStringLiteral("secret"));
        login->loginResultHandle(QVariantMap{{QStringLiteral("LoginInfoID"), QStringLiteral("7")}});
        QCOMPARE(m_h->stack().topViewController(), s);
        QCOMPARE(loggedIn, guarded && screen == u"BusinessTabBar" ? 1 : 0);
        UserInfo::info()->destroy();
        m_h->context().notificationCenter()->postNotification(QStringLiteral("UserLogoutSystem"));
        QCOMPARE(m_h->screens().last(), guarded ? QStringLiteral("UserLogin") : screen);
    }

private:
    std::unique_ptr<ScreenHarness> m_h;
};

QTEST_GUILESS_MAIN(TestForms)
#include "tst_forms.moc"
