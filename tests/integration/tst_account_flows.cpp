// A forgotten password and a paid article through the account and information
// screens against the local market service, as a person would go through them.
#include "ScreenHarness.h"
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/PagedListModel.h"
#include "core/session/UserInfo.h"
#include "screens/account/UserLogin.h"
#include "screens/info/ArticleList.h"
#include "screens/info/OpenWebsite.h"

#include <QTest>
#include <memory>

class TestAccountFlows : public QObject
{
    Q_OBJECT
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<ScreenHarness> m_h;

    BaseScreen *top() const { return static_cast<BaseScreen *>(m_h->stack().topViewController()); }
    void type(const char *key, const QString &text) { top()->form()->field(QString::fromLatin1(key))->setText(text); }
    void press(const char *action)
    {
        QMetaObject::invokeMethod(top(), action);
        QVERIFY(m_h->settle());
    }
    bool loginWorks(const QString &mobile, const QString &pass) const
    {
        return bool(SessionPeer::open(m_server->sessionPort(), mobile, pass));
    }
    /// A reset from the login screen to a new password, back on it.
    void resetPassword(const QString &mobile, const QString &pass, const std::function<void()> &midway = {})
    {
        auto *login = m_h->open(new UserLogin);
        login->didSelectRow(1);
        type("user", mobile);
        press("get");
        const QString code = m_server->lastCode(mobile);
        QVERIFY(!code.isEmpty());
        type("code", code);
        press("done");
        if (midway)
            midway();
        QVERIFY(m_h->context().service<Alerts>()->confirm());   // "现在就去"
        type("pass", pass);
        type("confirm", pass);
        press("update");
        m_h->context().service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
        QCOMPARE(m_h->screens(), QStringList{"UserLogin"});
    }
    double balance(const QString &mobile) const
    {
        const auto peer = SessionPeer::open(m_server->sessionPort(), mobile, QStringLiteral("demo123"));
        return peer ? peer->lastFrame().object().value(QStringLiteral("UsefulMoney")).toDouble() : -1;
    }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_h = std::make_unique<ScreenHarness>();
        m_h->testContext()->mutableConfig().serviceBaseUrl = m_server->baseUrl();
        m_h->testContext()->mutableConfig().sessionPort = m_server->sessionPort();
    }
    void cleanup()
    {
        m_h.reset();
        m_server.reset();
    }

    // Half-way through a reset the old password no longer works, and neither does the published
    // "730514"; the new one does at the end.
    void resetForgottenPassword()
    {
        const QString mobile = QStringLiteral("13800000003");
        resetPassword(mobile, QStringLiteral("n3wpass"), [&] {
            QVERIFY(!loginWorks(mobile, QStringLiteral("demo123")));
            QVERIFY(!loginWorks(mobile, QStringLiteral("730514")));
        });
        QVERIFY(loginWorks(mobile, QStringLiteral("n3wpass")));
    }

    // A paid analysis read after buying it: the balance drops once, a second opening reads it free.
    void paidArticleBoughtOnce()
    {
        const QString mobile = QStringLiteral("13800000001");
        const double before = balance(mobile);
        const auto peer = SessionPeer::open(m_server->sessionPort(), mobile, QStringLiteral("demo123"));
        QVERIFY(peer);
        UserInfo::info()->setBaseInfo(peer->lastFrame().object());
        auto *list = m_h->open(new ArticleList);
        QVERIFY(m_h->settle());
        list->mainButtonPressed(ArticleList::Analyses);
        QVERIFY(m_h->settle());
        int paid = -1;
        for (int i = 0; i < list->mainlist()->count() && paid < 0; ++i)
            if (list->mainlist()->get(i).contains(QStringLiteral("Description")))
                paid = i;
        QVERIFY(paid >= 0);
        const double price = list->mainlist()->get(paid).value(QStringLiteral("ChargeMoney")).toDouble();
        for (int opening = 0; opening < 2; ++opening) {
            list->didSelectRow(paid);
            QVERIFY(m_h->settle());
            auto *reader = qobject_cast<OpenWebsite *>(top());
            QVERIFY(reader);
            QCOMPARE(reader->teaserShown(), opening == 0);
            if (opening == 0) {
                reader->toContinue();
                reader->findChild<AlertStyleValue1 *>()->sure();
                QVERIFY(m_h->settle());
            }
            QVERIFY(reader->pageShown());
            QTRY_VERIFY_WITH_TIMEOUT(!reader->html().isEmpty(), 10000);
            reader->popViewController();
        }
        QCOMPARE(balance(mobile), before - price);
    }
};

QTEST_GUILESS_MAIN(TestAccountFlows)
#include "tst_account_flows.moc"
