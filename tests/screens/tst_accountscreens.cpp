// The account and information screens through one harness: registration and passwords, the
// profile and certificates, settings, the information centre and feedback.
#include "FakeImagePickerPort.h"
#include "ScreenHarness.h"
#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/CustomIOS7AlertView.h"
#include "app/PagedListModel.h"
#include "core/session/UserInfo.h"
#include "screens/account/AccountInfo.h"
#include "screens/account/AccountInfoEditText.h"
#include "screens/account/MyAccount.h"
#include "screens/account/ResetPass.h"
#include "screens/account/ResetPassResult.h"
#include "screens/account/Settings.h"
#include "screens/account/SubmitCer.h"
#include "screens/account/UpdatePass.h"
#include "screens/account/UserLogin.h"
#include "screens/info/ArticleList.h"
#include "screens/info/FeedbackViewController.h"
#include "screens/info/OpenWebsite.h"

#include <QTest>

namespace {
const QByteArray kOk = R"({"errorCode":0,"message":"密码设置成功"})";

BaseScreen *top(ScreenHarness &h) { return static_cast<BaseScreen *>(h.stack().topViewController()); }
void type(ScreenHarness &h, const char *key, const QString &text) { top(h)->form()->field(QString::fromLatin1(key))->setText(text); }
} // namespace

class TestAccountScreens : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_h = std::make_unique<ScreenHarness>();
        m_h->sessionServer();
    }
    void cleanup() { m_h.reset(); }

    // What each step of registration and passwords refuses before sending anything.
    void refusals_data()
    {
        QTest::addColumn<int>("step");   // 0 number, 1 code, 2 passwords
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("alert");
        const QString badNumber = QStringLiteral("手机号码格式不正确");
        QTest::newRow("10 digits") << 0 << QStringList{"user=1380000000"} << badNumber;
        QTest::newRow("12 digits refused by the keypad") << 0 << QStringList{"user=138000000011"} << badNumber;
        QTest::newRow("letters refused") << 0 << QStringList{"user=abcdefghijk"} << badNumber;
        QTest::newRow("no code") << 1 << QStringList{} << "验证码不能为空";
        QTest::newRow("no password") << 2 << QStringList{"confirm=abc"} << "密码不能为空";
        QTest::newRow("one character differs") << 2 << QStringList{"pass=secret1", "confirm=secret2"} << "两次输入密码不一致";
    }
    void refusals()
    {
        QFETCH(int, step);
        QFETCH(QStringList, typed);
        QFETCH(QString, alert);
        BaseScreen *s = step == 0 ? static_cast<BaseScreen *>(new Registration)
                        : step == 1 ? static_cast<BaseScreen *>(new RegistrationResult) : new UpdatePass;
        m_h->open(s);
        for (const QString &t : std::as_const(typed))
            s->form()->field(t.section(u'=', 0, 0))->setText(t.section(u'=', 1));
        QVERIFY(s->form()->lastEnabledField()->returnPressed());
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->alertTexts(), QStringList{alert});
        QCOMPARE(m_h->service().count(), 0);
    }

    // From the login screen to a new password and back: registration sends its code once; a reset
    // sends the same code twice, first with a password nobody knows, then with the typed one.
    void flows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("codePath");
        QTest::addColumn<QString>("submitPath");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("registration") << 0 << "User/SendCaptcha" << "User/Register"
                                      << "手机号：13900000009已完成注册，请到【我的账户】中设置新的登录密码。";
        QTest::newRow("reset") << 1 << "User/SendCaptchaCode" << "User/ChangePwdByPhone"
                               << "手机号：13900000009的密码已重置，到【我的账户】中设置新的登录密码。";
    }
    void flows()
    {
        QFETCH(int, row);
        QFETCH(QString, codePath);
        QFETCH(QString, submitPath);
        QFETCH(QString, dialog);
        const QString byPhone = QStringLiteral("User/ChangePwdByPhone");
        m_h->reply(byPhone, kOk);
        auto *login = m_h->open(new UserLogin);
        login->didSelectRow(row);
        type(*m_h, "user", QStringLiteral("13900000009"));
        QMetaObject::invokeMethod(top(*m_h), "get");
        QMetaObject::invokeMethod(top(*m_h), "get");   // a second tap while the first is on its way
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->count(codePath), 1);
        type(*m_h, "code", QStringLiteral("123456"));
        QVERIFY(top(*m_h)->form()->lastEnabledField()->returnPressed());
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->sent(submitPath).value("captcha").toString(), "123456");
        const QString interim = m_h->sent(byPhone).value("newPwd").toString();
        QCOMPARE(interim.size(), row == 1 ? 24 : 0);
        QVERIFY(interim != ResetPassResult::interimPassword());   // fresh for every reset
        auto *shown = qobject_cast<CustomIOS7AlertView *>(m_h->context().service<Alerts>()->views().value(0));
        QVERIFY(shown);
        QCOMPARE(shown->contentTitle(), dialog);
        QVERIFY(m_h->context().service<Alerts>()->confirm());
        type(*m_h, "pass", QStringLiteral("newpass"));
        type(*m_h, "confirm", QStringLiteral("newpass"));
        QVERIFY(top(*m_h)->form()->lastEnabledField()->returnPressed());
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->count(byPhone), row + 1);
        QCOMPARE(m_h->sent(byPhone).value("newPwd").toString(), "newpass");
        QCOMPARE(m_h->sent(byPhone).value("captcha").toString(), "123456");
        QCOMPARE(m_h->context().service<Alerts>()->topAlert()->message(), "密码设置成功");
        m_h->context().service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(m_h->screens(), QStringList{"UserLogin"});
        QCOMPARE(login->userText(), "13900000009");
    }

    // The account's own password change returns to the account screen and remembers the new
    // password for the next automatic login.
    void changeFromAccount()
    {
        UserInfo::info()->setUserId(QStringLiteral("7"));
        UserInfo::info()->setIsOnline(true);
        auto *account = m_h->open(new MyAccount);
        account->didSelectSection(MyAccount::Password);
        type(*m_h, "pass", QStringLiteral("n3w"));
        type(*m_h, "confirm", QStringLiteral("n3w"));
        m_h->reply(QStringLiteral("User/ChangePassWord"), kOk);
        QMetaObject::invokeMethod(top(*m_h), "update");
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->sent("User/ChangePassWord").value("loginInfoID").toString(), "7");
        m_h->context().service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(m_h->screens(), QStringList{"MyAccount"});
        QCOMPARE(UserInfo::info()->userPass(), "n3w");
    }

    // A certified company edits nothing from the device; one not yet certified reaches the
    // certificates, whose fourth row is filed as type 8.
    void certification_data()
    {
        QTest::addColumn<int>("isVal");
        QTest::addColumn<bool>("camera");
        QTest::newRow("certified") << 1 << true;
        QTest::newRow("not certified") << 0 << true;
        QTest::newRow("not certified, no camera: its choice is greyed") << 0 << false;
    }
    void certification()
    {
        QFETCH(int, isVal);
        QFETCH(bool, camera);
        UserInfo::info()->setUserId(QStringLiteral("7"));
        UserInfo::info()->setIsOnline(true);
        UserInfo::info()->setIsVal(isVal);
        m_h->context().setService<ImagePickerPort>(std::make_unique<FakeImagePickerPort>())->camera = camera;
        auto *account = m_h->open(new MyAccount);
        QCOMPARE(account->property("certified").toBool(), isVal == 1);
        account->certifyPressed();
        QCOMPARE(m_h->screens().size(), isVal == 1 ? 1 : 2);
        auto *info = m_h->open(new AccountInfo);
        QCOMPARE(info->editShown(), isVal != 1);
        if (isVal == 1)
            return;
        auto *cer = m_h->open(new SubmitCer);
        cer->uploadPressed(3);
        PlatformAlert *sheet = m_h->context().service<Alerts>()->topAlert();
        QCOMPARE(sheet->buttonTitles().value(1), camera ? "摄像头拍摄" : "没有可用的相机");
        if (!camera) {   // the greyed camera does nothing: the sheet stays
            sheet->clickedButtonAtIndex(1);
            QCOMPARE(m_h->context().service<Alerts>()->topAlert(), sheet);
        }
        sheet->clickedButtonAtIndex(0);   // 从本地相册
        QVERIFY(cer->picking());
        cer->didFinishPickingFile("file:///tmp/licence.png");
        QVERIFY(m_h->settle() && !cer->picking());
        QVERIFY(m_h->service().last().body.contains(R"x("type":"8","company":"(null)","orderId":"")x"));
        QCOMPARE(cer->rows().value(3).toMap().value("uploaded").toBool(), true);
    }

    // The profile's text editor: back leaves the value as it was, "完成" hands back what was
    // typed, an empty text too, once however often it is pressed; "保存" then sends it once.
    void profileEditor_data()
    {
        QTest::addColumn<bool>("back");
        QTest::addColumn<QString>("kept");
        QTest::newRow("back keeps the contact") << true << "王建国";
        QTest::newRow("完成 with nothing typed empties it") << false << "";
    }
    void profileEditor()
    {
        QFETCH(bool, back);
        QFETCH(QString, kept);
        UserInfo::info()->setUserId(QStringLiteral("7"));
        UserInfo::info()->setUserName(QStringLiteral("王建国"));
        m_h->reply(QStringLiteral("User/ChangeUserImfor"), kOk);
        auto *info = m_h->open(new AccountInfo);
        info->editPressed();
        info->didSelectRow(AccountInfo::Contact);
        auto *editor = qobject_cast<AccountInfoEditText *>(m_h->stack().presentedStack()->topViewController());
        QVERIFY(editor);
        editor->form()->field(QStringLiteral("text"))->setText(back ? QStringLiteral("李四") : QString());
        back ? editor->popViewController() : editor->finish();
        editor->finish();
        QCOMPARE(info->value(AccountInfo::Contact), kept);
        info->editPressed();   // 保存
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->count("User/ChangeUserImfor"), 1);
        QCOMPARE(m_h->sent("User/ChangeUserImfor").value("username").toString(), kept);
    }

    void place_data()
    {
        QTest::addColumn<QString>("province");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a municipality once") << "上海" << "上海" << "上海";
        QTest::newRow("province and city") << "江苏" << "南京" << "江苏 南京";
    }
    void place()
    {
        QFETCH(QString, province);
        QFETCH(QString, city);
        QFETCH(QString, shown);
        QCOMPARE(AccountInfo::placeText(province, city), shown);
    }

    // A switch is stored at once and is still set after a restart, where the chat manager reads it.
    void settingsStored()
    {
        auto *settings = m_h->open(new Settings);
        settings->setSwitch(1, true);
        m_h->restart();
        QCOMPARE(UserInfo::info()->zdSwitch(), true);
        QCOMPARE(UserInfo::info()->soundSwitch(), false);
    }

    // The information centre's page rules.
    void articleList()
    {
        const QByteArray full = R"({"errorCode":0,"data":[{"title":"a","url":"http://x/1"},{"title":"b"}]})";
        m_h->reply(QStringLiteral("zixun/getnews"), full);
        m_h->reply(QStringLiteral("hangqing/getnews"), R"({"errorCode":0,"data":[{"id":"1","name":"华东","news":[{"title":"c"}]}]})");
        auto *list = m_h->open(new ArticleList);
        QVERIFY(m_h->settle());
        list->subButtonPressed(11);
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->sent("zixun/getnews").value("newsType").toString(), "23");
        QVERIFY(list->mainlist()->footerShown());
        m_h->reply(QStringLiteral("zixun/getnews"), R"({"errorCode":0,"data":[]})");
        list->mainlist()->loadMore();
        QVERIFY(m_h->settle());
        QCOMPARE(list->mainlist()->count(), 2);   // an empty further page keeps the list
        list->mainlist()->loadMore();
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->sent("zixun/getnews").value("pageIndex").toInt(), 2);   // and asks for it again
        list->didSelectRow(1);
        QCOMPARE(m_h->takeAlerts(), QStringList{OpenWebsite::badAddressText()});
        list->mainButtonPressed(ArticleList::Prices);
        QVERIFY(m_h->settle());
        QCOMPARE(list->subButtons().value(0).toMap().value("width").toInt(), 81);
        QVERIFY(!list->groups()->footerShown());
        list->swipeLeft();
        QCOMPARE(list->currentId(), "3");
        list->didSeletedCity({{"shi", QVariantMap{{"provinceID", "32"}, {"name", "江苏"}}}});
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->sent("hangqing/getnews").value("newsType").toString(), "4");
        QCOMPARE(m_h->sent("hangqing/getnews").value("provinceId").toString(), "32");
        QCOMPARE(list->regionTitle(), "江苏");
    }

    // A free article asks nothing; a paid one asks whether it was bought and, once paid, shows
    // the page; a refused payment keeps the teaser.
    void paidArticle_data()
    {
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QByteArray>("payReply");
        QTest::addColumn<bool>("pageShown");
        QTest::newRow("free") << false << QByteArray() << true;
        QTest::newRow("paid") << true << QByteArray(R"({"errorCode":0,"data":{}})") << true;
        QTest::newRow("balance too low") << true << QByteArray(R"({"errorCode":5,"message":"余额不足"})") << false;
    }
    void paidArticle()
    {
        QFETCH(bool, paid);
        QFETCH(QByteArray, payReply);
        QFETCH(bool, pageShown);
        UserInfo::info()->setUserId(QStringLiteral("7"));
        m_h->reply(QStringLiteral("Fxs/IsPay"), R"({"errorCode":0,"data":1})");
        m_h->reply(QStringLiteral("Fxs/PayArticle"), payReply);
        m_h->reply(QStringLiteral("page"), "{}");
        auto *reader = new OpenWebsite;
        reader->setUrlString(m_h->service().url(QStringLiteral("page")).toString());
        if (paid)
            reader->setSiteInfo({{"Description", "摘要"}, {"ChargeMoney", "5"}, {"ArticleId", "9"}});
        m_h->open(reader);
        QVERIFY(m_h->settle());
        QCOMPARE(m_h->count("Fxs/IsPay"), int(paid));
        if (paid) {
            QVERIFY(reader->teaserShown());
            reader->toContinue();
            auto *choice = reader->findChild<AlertStyleValue1 *>();
            QVERIFY(choice);
            QCOMPARE(choice->text(), "本次支付 5 元\n确认后，即可阅读全文！");
            choice->sure();
            QVERIFY(m_h->settle());
            QCOMPARE(m_h->sent("Fxs/PayArticle").value("articleId").toString(), "9");
        }
        QCOMPARE(reader->pageShown(), pageShown);
        QTRY_COMPARE(m_h->count("page"), int(pageShown));
    }

    // Feedback never holds more than 200 characters, and either answer closes it after "确定".
    void feedback_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("alert");
        QTest::newRow("accepted") << 200 << "提交成功" << "谢谢";
        QTest::newRow("failed") << 500 << "提交失败" << "";
    }
    void feedback()
    {
        QFETCH(int, status);
        QFETCH(QString, title);
        QFETCH(QString, alert);
        m_h->context().mutableConfig().adviceBaseUrl = m_h->service().baseUrl();
        m_h->service().setReply(QStringLiteral("app/addAdvice"),
                                status == 200 ? ScriptedReply::json(R"({"errorCode":0,"message":"谢谢"})")
                                              : ScriptedReply::ok("oops", status));
        m_h->open(new SuperController);
        auto *feedback = m_h->open(new FeedbackViewController);
        feedback->setText(QString(150, u'意'));
        feedback->setText(feedback->text() + QString(100, u'见'));
        QCOMPARE(feedback->text().size(), 200);
        feedback->sendbutton();
        QVERIFY(m_h->service().waitForRequests(1));
        QTRY_VERIFY(m_h->context().service<Alerts>()->topAlert());
        QCOMPARE(m_h->context().service<Alerts>()->topAlert()->title(), title);
        QCOMPARE(m_h->context().service<Alerts>()->topAlert()->message(), alert);
        m_h->context().service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(m_h->screens(), QStringList{"SuperController"});
    }

private:
    std::unique_ptr<ScreenHarness> m_h;
};

QTEST_GUILESS_MAIN(TestAccountScreens)
#include "tst_accountscreens.moc"
