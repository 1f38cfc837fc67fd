#include "ServerProcess.h"
#include "SessionRelay.h"
#include "TestContext.h"
#include "app/Alerts.h"
#include "app/MainTabBarController.h"
#include "core/session/UserInfo.h"
#include "screens/MainInterface.h"
#include "screens/account/MyAccount.h"
#include "screens/account/UserLogin.h"
#include "ui/Frontend.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {
QStringList g_warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings.append(message);
}

const QString kTel = QStringLiteral("13800000001");
const QByteArray kLoginFrame = QByteArray::fromHex("0000000000000000")
                               + R"({"Phone":"13800000001","Password":"demo123","Platform":"2"})";

// Where the login page and the account page put their controls, in window points.
const QPoint kMobileInput(200, 101);
const QPoint kPasswordInput(200, 145);
const QPoint kLoginButton(160, 207);
const QPoint kAccountTab(280, 543);
const QPoint kLogoutRow(160, 212);

/// One start of the app: a context over the data folder, the real tab shell and window, talking
/// to the local market service (the session channel through the recording relay).
struct Start
{
    TestContext ctx;
    std::unique_ptr<MainTabBarController> shell;
    std::unique_ptr<Frontend> frontend;

    Start(const QString &dataDir, const ServerProcess &server, const SessionRelay &relay) : ctx(dataDir)
    {
        ctx->mutableConfig().serviceBaseUrl = server.baseUrl();
        ctx->mutableConfig().sessionPort = relay.port();
        Frontend::installPorts(ctx.context());
        shell.reset(MainInterface::instantiateMainTabBarController());
        shell->loadViewIfNeeded();
        frontend = std::make_unique<Frontend>(ctx.context(), shell.get());
        frontend->load();
        window()->requestActivate();
        if (!QTest::qWaitForWindowActive(window()))
            qWarning("the window did not show");
    }
    ~Start()
    {
        frontend.reset();
        shell.reset();
    }
    QQuickWindow *window() const { return frontend->window(); }
    ViewController *accountTop() const { return shell->viewControllers().at(3)->topViewController(); }
    PlatformAlert *alert() { return ctx->service<Alerts>()->topAlert(); }
    /// Waits for the pages to stand still (a stack view ignores input while it moves), then taps.
    void click(QPoint at)
    {
        QTRY_VERIFY(!busy(window()->contentItem()));
        QTest::mouseClick(window(), Qt::LeftButton, {}, at);
    }
    void type(QPoint at, const QString &text)
    {
        click(at);
        for (const QChar c : text)
            QTest::keyClick(window(), c.toLatin1());
    }
    /// True while a stack view runs a transition.
    static bool busy(QQuickItem *item)
    {
        const auto children = item->childItems();
        return item->property("busy").toBool()
               || std::any_of(children.cbegin(), children.cend(), [](QQuickItem *c) { return busy(c); });
    }
    void shoot(const QString &name)
    {
        QTRY_VERIFY(!busy(window()->contentItem()));
        window()->grabWindow().save(QStringLiteral(VELMORA_ARTIFACT_DIR "/%1.png").arg(name));
    }
};

template <class T>
T *top(const Start &s)
{
    return qobject_cast<T *>(s.accountTop());
}
/// The number the account page shows, or nothing while another page is on top.
QString shownTel(const Start &s)
{
    const MyAccount *account = top<MyAccount>(s);
    return account ? account->property("userTel").toString() : QString();
}
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Frontend::prepareApplication();
        qInstallMessageHandler(recordWarnings);
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_relay = std::make_unique<SessionRelay>(m_server->sessionPort());
    }
    void init()
    {
        g_warnings.clear();
        m_relay->clear();
    }
    void cleanup() { QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(u'\n'))); }

    // A person logs in on the account tab; the next start logs in by itself; after a logout
    // the start after that opens with empty inputs and sends nothing.
    void loginRememberedAndForgotten()
    {
        QTemporaryDir data;
        {
            Start s(data.path(), *m_server, *m_relay);
            s.click(kAccountTab);
            QTRY_VERIFY(top<UserLogin>(s) && top<UserLogin>(s)->isAppeared());
            s.type(kMobileInput, kTel);
            s.type(kPasswordInput, QStringLiteral("demo123"));
            QCOMPARE(top<UserLogin>(s)->userText(), kTel);
            s.shoot(QStringLiteral("login"));
            s.click(kLoginButton);
            QTRY_VERIFY(top<MyAccount>(s));
            QTRY_COMPARE(shownTel(s), kTel);
            s.shoot(QStringLiteral("account-logged-in"));
            QCOMPARE(m_relay->fromClient(), kLoginFrame);
        }
        m_relay->clear();
        {
            Start s(data.path(), *m_server, *m_relay);
            // The account tab asks for a login until the client has applied the automatic one.
            QTRY_VERIFY(s.ctx->service<UserInfo>()->isOnline());
            s.click(kAccountTab);
            QTRY_COMPARE(shownTel(s), kTel);
            QCOMPARE(m_relay->fromClient(), kLoginFrame);

            s.click(kLogoutRow);
            QTRY_VERIFY(s.alert());
            s.alert()->clickedButtonAtIndex(1);
            QTRY_COMPARE(s.alert() ? s.alert()->message() : QString(), QStringLiteral("已经安全的退出您的账号！"));
            s.alert()->clickedButtonAtIndex(0);
            QTRY_VERIFY(top<UserLogin>(s));
        }
        m_relay->clear();
        {
            Start s(data.path(), *m_server, *m_relay);
            s.click(kAccountTab);
            QTRY_VERIFY(top<UserLogin>(s) && top<UserLogin>(s)->isAppeared());
            QCOMPARE(top<UserLogin>(s)->userText(), QString());
            QCOMPARE(top<UserLogin>(s)->passText(), QString());
            QCOMPARE(m_relay->connectionCount(), 0);
        }
    }

    void wrongPasswordShowsTheServiceMessage()
    {
        QTemporaryDir data;
        Start s(data.path(), *m_server, *m_relay);
        s.click(kAccountTab);
        QTRY_VERIFY(top<UserLogin>(s) && top<UserLogin>(s)->isAppeared());
        s.type(kMobileInput, kTel);
        s.type(kPasswordInput, QStringLiteral("wrong"));
        s.click(kLoginButton);
        QTRY_VERIFY(s.alert());
        static const QRegularExpression message(QStringLiteral("\"Message\"\\s*:\\s*\"([^\"]+)\""));
        const auto match = message.match(QString::fromUtf8(m_relay->fromServer()));
        QVERIFY(match.hasMatch());
        QCOMPARE(s.alert()->message(), match.captured(1));
        QVERIFY(top<UserLogin>(s));
    }

    void gateOpensTheLoginWithItsPrompt()
    {
        QTemporaryDir data;
        Start s(data.path(), *m_server, *m_relay);
        auto *login = new UserLogin;
        login->setComfromOtherController(true);
        s.shell->getViewControllerWithIndex(0)->pushViewController(login);
        QTRY_VERIFY(login->isAppeared());
        s.shoot(QStringLiteral("login-gate"));
    }

private:
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<SessionRelay> m_relay;
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
