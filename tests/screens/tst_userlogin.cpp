#include "NotificationRecorder.h"
#include "ScreenHarness.h"
#include "app/SuperController.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/AccountSession.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/session/datamodel.h"
#include "screens/account/LoginGate.h"
#include "screens/account/UserLogin.h"

#include <QPointer>
#include <QTest>

namespace {

const QString kNetwork = QStringLiteral("网络状态不太好哦，请稍后重新尝试登录！");

QByteArray loginFrame(const QString &tel, const QString &pass)
{
    return QByteArray::fromHex("0000000000000000") + "{\"Phone\":\"" + tel.toUtf8() + "\",\"Password\":\""
        + pass.toUtf8() + "\",\"Platform\":\"2\"}";
}

/// A login screen's own delegate, as a screen other than the gate would be one.
struct Delegate : UserLoginDelegate
{
    int finished = 0;
    void loginDidFinish(UserLogin *login) override
    {
        ++finished;
        LoginGate::close(login);
    }
};

/// A context talking to a fake session server, with recorded alerts and an opener screen on a
/// stack.
struct Fixture
{
    // The gate's login screen, on top of the opener.
    UserLogin *openLogin()
    {
        if (LoginGate::requireLogin(opener))
            return nullptr;
        return qobject_cast<UserLogin *>(stack.topViewController());
    }
    // The gate's login screen with the user's entries submitted.
    UserLogin *submit(const QString &tel, const QString &pass)
    {
        UserLogin *login = openLogin();
        if (login) {
            login->form()->field(QStringLiteral("user"))->setText(tel);
            login->form()->field(QStringLiteral("pass"))->setText(pass);
            login->login();
        }
        return login;
    }

    ScreenHarness h;
    FakeSessionServer &server = h.sessionServer();
    TestContext &ctx = h.testContext();
    NavigationStack &stack = h.stack();
    SuperController *opener = h.open(new SuperController);
};

} // namespace

class TestUserLogin : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("alerts");
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("requesting");
        QTest::newRow("accepted") << QByteArray("0000000001000000") << QByteArray("{\"LoginInfoID\":\"7\",\"MobilePhone\":\"13900001111\"}")
                                  << QStringList{} << true << false;
        QTest::newRow("refused") << QByteArray("0000000002000000") << QByteArray("{\"ErrorCode\":\"1\",\"Message\":\"密码错误\"}")
                                 << QStringList{"密码错误"} << false << true;
        QTest::newRow("ErrorCode 0 is a refusal") << QByteArray("0000000001000000") << QByteArray("{\"ErrorCode\":0,\"Message\":\"x\"}")
                                                  << QStringList{"x"} << false << true;
        QTest::newRow("not a record") << QByteArray("0000000001000000") << QByteArray("[1]") << QStringList{kNetwork} << false << false;
        QTest::newRow("connection lost instead") << QByteArray() << QByteArray() << QStringList{kNetwork} << false << false;
    }
    void answers()
    {
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, alerts);
        QFETCH(bool, online);
        QFETCH(bool, requesting);
        Fixture f;
        QPointer<UserLogin> login = f.submit(QStringLiteral("13900001111"), QStringLiteral("secret"));
        QTRY_COMPARE(f.server.received(), loginFrame(QStringLiteral("13900001111"), QStringLiteral("secret")));
        if (header.isEmpty())
            f.server.dropConnection();
        else
            f.server.send(QByteArray::fromHex(header) + reply);
        QTRY_VERIFY(!f.h.alertTexts().isEmpty() || f.stack.topViewController() == f.opener);
        QCOMPARE(f.h.alertTexts(), alerts);
        UserInfo *user = UserInfo::info();
        QCOMPARE(user->isOnline(), online);
        if (online) {
            QCOMPARE(user->userPass(), QStringLiteral("secret"));
            QCOMPARE(f.stack.topViewController(), f.opener);   // the opener closed it
        } else {
            QVERIFY(user->userPass().isNull());
            QCOMPARE(login->requesting(), requesting);
            QVERIFY(!login->loading());
        }
    }

    // A login screen that comes up while the user is already logged in finishes at once.
    void appearingWhileOnline()
    {
        Fixture f;
        UserInfo::info()->setBaseInfo(QVariantMap{{QStringLiteral("LoginInfoID"), QStringLiteral("7")}});
        Delegate delegate;
        auto *login = new UserLogin;
        login->setDelegate(&delegate);
        f.stack.pushViewController(login);
        QCOMPARE(delegate.finished, 1);
        QCOMPARE(f.stack.topViewController(), f.opener);
        QCOMPARE(f.ctx->notificationCenter()->observerCount(QStringLiteral("LoginSuccessInfo")), 0);
    }

    void automaticLogin_data()
    {
        QTest::addColumn<QString>("tel");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<bool>("sent");
        QTest::newRow("remembered") << "13900001111" << "secret" << true;
        QTest::newRow("no password") << "13900001111" << "" << false;
        QTest::newRow("short number") << "1390000111" << "secret" << false;
    }
    void automaticLogin()
    {
        QFETCH(QString, tel);
        QFETCH(QString, pass);
        QFETCH(bool, sent);
        Fixture f;
        UserInfo::info()->setUserTel(tel);
        UserInfo::info()->setUserPass(pass);
        f.h.restart();   // the home page of the next start
        QCOMPARE(AccountSession::autoLogin(), sent);
        if (sent)
            QTRY_COMPARE(f.server.received(), loginFrame(tel, pass));
        else
            QVERIFY(!f.ctx->hasService<Socket>());
    }

    void resumedOnEveryConnection_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("sessionKey");
        QTest::addColumn<int>("logouts");
        QTest::newRow("accepted") << QByteArray::fromHex("0000000001000000") + "{\"MobilePhone\":\"13900001111\",\"SessionKey\":\"k2\"}"
                                  << "k2" << 0;
        QTest::newRow("refused") << QByteArray::fromHex("0000000002000000") + "{\"ErrorCode\":\"1\",\"Message\":\"密码已修改\"}"
                                 << "" << 1;
    }
    // The logged-in user's channel comes back after an outage: the login goes out again ahead of
    // what was written meanwhile, and its answer is applied with no screen watching for it.
    void resumedOnEveryConnection()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, sessionKey);
        QFETCH(int, logouts);
        Fixture f;
        Socket *socket = Socket::socket();
        socket->setBackoffPolicy({60000, 60000, 0});
        QTRY_VERIFY(socket->isConnected() && f.server.current());
        UserInfo *user = UserInfo::info();
        user->setBaseInfo(QVariantMap{{QStringLiteral("MobilePhone"), QStringLiteral("13900001111")},
                                      {QStringLiteral("SessionKey"), QStringLiteral("k1")}});
        user->setUserPass(QStringLiteral("secret"));
        NotificationRecorder posts(f.ctx->notificationCenter());
        f.server.stopListening();
        f.server.dropConnection();
        QTRY_VERIFY(!socket->asyncSocket() && socket->connectAttempts() == 2);
        QVERIFY(f.server.listenAgain());
        socket->startConnection(QStringLiteral("{\"n\":\"1\"}"), 4);
        QTRY_COMPARE(f.server.received(), loginFrame(QStringLiteral("13900001111"), QStringLiteral("secret"))
                                              + QByteArray::fromHex("0000000004000000") + "{\"n\":\"1\"}");
        f.server.send(reply);
        QTRY_COMPARE(user->sessionKey(), sessionKey);
        QCOMPARE(user->isOnline(), logouts == 0);
        QCOMPARE(f.h.alertTexts().count(QStringLiteral("密码已修改")), logouts);
        QCOMPARE(posts.count(QStringLiteral("UserLogoutSystem")), logouts);
    }

    // The remembered login goes out while the login screen is open with other entries typed: its
    // answer is the record's, told once, and never stores what the screen holds.
    void rememberedLoginAnsweredUnderTheLoginScreen_data() { resumedOnEveryConnection_data(); }
    void rememberedLoginAnsweredUnderTheLoginScreen()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, logouts);
        Fixture f;
        UserInfo *user = UserInfo::info();
        user->setUserTel(QStringLiteral("13900001111"));
        user->setUserPass(QStringLiteral("secret"));
        UserLogin *login = f.openLogin();
        QVERIFY(login);
        login->form()->field(QStringLiteral("pass"))->setText(QStringLiteral("typo"));
        QVERIFY(AccountSession::autoLogin());
        QTRY_COMPARE(f.server.received(), loginFrame(QStringLiteral("13900001111"), QStringLiteral("secret")));
        f.server.send(reply);
        QTRY_VERIFY(user->isOnline() || !user->hasRememberedLogin());
        QCOMPARE(f.stack.topViewController() == f.opener, logouts == 0);
        QCOMPARE(f.h.alertTexts().count(QStringLiteral("密码已修改")), logouts);
        if (!logouts)
            QCOMPARE(user->userPass(), QStringLiteral("secret"));
    }

    void logoutSequence()
    {
        Fixture f;
        UserInfo *user = UserInfo::info();
        user->setBaseInfo(QVariantMap{{QStringLiteral("MobilePhone"), QStringLiteral("13900001111")}});
        datamodel::instance()->arradd({{QStringLiteral("LoginInfoID"), QStringLiteral("5")}});
        datamodel::instance()->xiequanbuhaoyou({QVariantMap{{QStringLiteral("LoginInfoId"), QStringLiteral("5")}}});
        QTRY_VERIFY(Socket::socket()->isConnected());
        NotificationRecorder posts(f.ctx->notificationCenter(), {}, true);
        AccountSession::logout();
        QCOMPARE(posts.names, (QStringList{"shoudaoliaotian4=shoudaoliaotian4", "UserLogoutSystem", "qingkong=qingkong"}));
        QCOMPARE(f.h.alertTexts(), QStringList{QStringLiteral("已经安全的退出您的账号！")});
        QVERIFY(user->userTel().isNull());
        QVERIFY(datamodel::instance()->getData().isEmpty());
        QVERIFY(datamodel::instance()->dedaohaoyou().isEmpty());
        QTRY_COMPARE(f.server.received(), QByteArray::fromHex("0000000003000000") + "{\"Phone\":\"13900001111\"}");
    }
};

QTEST_GUILESS_MAIN(TestUserLogin)
#include "tst_userlogin.moc"
