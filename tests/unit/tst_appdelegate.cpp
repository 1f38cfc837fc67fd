#include "RawHttpRecorder.h"
#include "TestContext.h"

#include "app/AppDelegate.h"
#include "app/MainTabBarController.h"
#include "app/MyBadgeView.h"
#include "core/api/FormEnvelope.h"
#include "core/platform/CrashRecorder.h"
#include "core/platform/UserDefaults.h"
#include "core/session/SQLITE.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>

namespace {
const QString kKey = QStringLiteral("iosyichang");

QByteArray expectedReport(const QByteArray &encodedReason)
{
    return "info=%7B%22errorMsg%22%3A%22" + encodedReason
           + "%22%2C%22sdk_version%22%3A%227.1%22%2C%22model%22%3A%22iOS%22%2C%22os_version%22%3A%220%22%2C"
             "%22phonenumber%22%3A%220%22%2C%22validmemorysize%22%3A%220%22%7D"
             "&auth=%7B%22imei%22%3A%22%22%2C%22imsi%22%3A%22%22%2C%22phoneNumber%22%3A%22%22%2C"
             "%22os%22%3A%22iphone%22%2C%22os_version%22%3A%22v4.00%22%2C%22app_version%22%3A%22v1.2%22%2C"
             "%22tokenKey%22%3A%22C4D2B7A19E3F5061D8B2A7E49%22%7D";
}

/// A location source that hands its callback to the test.
class ScriptedLocation : public LocationPort
{
public:
    void startUpdatingLocation(QObject *, Callback callback) override
    {
        ++starts;
        pending = std::move(callback);
    }
    int starts = 0;
    Callback pending;
};

/// Run in a child process: arms the hooks on path, then dies the way kind says.
int crashChild(const char *kind, const char *path)
{
    rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);   // dying on purpose; no core file
    CrashRecorder::install(QString::fromLocal8Bit(path));
    if (std::strcmp(kind, "exception") == 0)
        throw std::runtime_error("热轧 4300 out of range");
    if (std::strcmp(kind, "unknown") == 0)
        throw 42;
    if (std::strcmp(kind, "terminate") == 0)
        std::terminate();
    if (std::strcmp(kind, "segv") == 0)
        std::raise(SIGSEGV);
    return 0;
}
} // namespace

class TestAppDelegate : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<RawHttpRecorder> m_server;
    std::unique_ptr<MainTabBarController> m_shell;
    ScriptedLocation *m_location = nullptr;

    AppContext &ctx() { return m_ctx->context(); }
    UserDefaults *defaults() { return ctx().userDefaults(); }
    /// Pointing the fresh context at the recorder, with the scripted location source.
    void prepare()
    {
        ctx().mutableConfig().serviceBaseUrl = m_server->baseUrl();
        m_location = ctx().setService<LocationPort>(std::make_unique<ScriptedLocation>());
    }
    AppDelegate *launch()
    {
        AppDelegate *delegate = ctx().service<AppDelegate>();
        m_shell = std::make_unique<MainTabBarController>();
        m_shell->setViewControllers({new ViewController, new ViewController, new ViewController});
        const bool launched = delegate->didFinishLaunchingWithOptions(m_shell.get());
        [&] { QVERIFY(launched); }();
        return delegate;
    }
    int pendingReports() { return int(ctx().findChildren<FormEnvelope *>().size()); }

private slots:
    void init()
    {
        m_server = std::make_unique<RawHttpRecorder>();
        m_ctx = std::make_unique<TestContext>();
        prepare();
    }
    void cleanup()
    {
        m_shell.reset();
        m_ctx.reset();
        m_server.reset();
    }

    void noStoredCrashSendsNothing()
    {
        launch();
        QCOMPARE(m_location->starts, 1);
        // A report would have been started during the launch.
        QCOMPARE(pendingReports(), 0);
        QVERIFY(!defaults()->contains(kKey));
    }

    /// Whatever the service answers, the report was delivered: it goes once, and the stored
    /// reason stays until the answer is in.
    void outcome_data()
    {
        QTest::addColumn<ScriptedReply>("reply");
        QTest::newRow("accepted") << ScriptedReply::json(R"({"errorCode":0})");
        QTest::newRow("error code") << ScriptedReply::json(R"({"errorCode":1,"message":"x"})");
        QTest::newRow("server error, not JSON") << ScriptedReply::ok("oops", 500);
    }
    void outcome()   // failures: undeliveredReportIsSentAgainNextLaunch
    {
        QFETCH(ScriptedReply, reply);
        m_server->setReply(QStringLiteral("error/senderror"), reply);
        defaults()->setObject(QStringLiteral("boom & 热轧"), kKey);
        bool keptWhileInFlight = false;
        connect(m_server.get(), &RawHttpRecorder::requestReceived, this,
                [&] { keptWhileInFlight = defaults()->contains(kKey); });
        QSignalSpy finished(launch(), &AppDelegate::crashReportFinished);
        QVERIFY(finished.wait());
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(keptWhileInFlight);
        QVERIFY(!defaults()->contains(kKey));
        QCOMPARE(m_server->count(), 1);
        QCOMPARE(m_server->last().path, QByteArray("/error/senderror"));
        QCOMPARE(m_server->last().body, expectedReport("boom%20%26%20%E7%83%AD%E8%BD%A7"));
    }

    void undeliveredReportIsSentAgainNextLaunch()
    {
        m_server->close();   // nobody listens: the exchange fails
        defaults()->setObject(QStringLiteral("boom"), kKey);
        QSignalSpy failed(launch(), &AppDelegate::crashReportFinished);
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().first().toBool(), false);

        m_shell.reset();
        m_server = std::make_unique<RawHttpRecorder>();
        m_ctx->restart();
        prepare();
        QCOMPARE(defaults()->stringForKey(kKey), QStringLiteral("boom"));
        QSignalSpy sent(launch(), &AppDelegate::crashReportFinished);
        QVERIFY(sent.wait());
        QCOMPARE(sent.first().first().toBool(), true);
        QCOMPARE(m_server->count(), 1);
        QVERIFY(!defaults()->contains(kKey));
    }

    void crashHook_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("uncaught exception") << "exception" << QStringLiteral("热轧 4300 out of range");
        QTest::newRow("uncaught non-exception") << "unknown" << "uncaught exception of unknown type";
        QTest::newRow("terminate without exception") << "terminate" << "std::terminate called without an exception";
        QTest::newRow("segmentation fault") << "segv" << "SIGSEGV: invalid memory access";
    }
    /// The hook writes the reason while the process dies; the next launch stores and reports it.
    void crashHook()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        defaults()->setObject(QStringLiteral("older crash"), kKey);
        AppDelegate *delegate = ctx().service<AppDelegate>();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--crash-child"), kind, delegate->crashReasonFile()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QSignalSpy finished(launch(), &AppDelegate::crashReportFinished);
        QVERIFY(finished.wait());
        QCOMPARE(m_server->count(), 1);
        const QByteArray encoded = QUrl::toPercentEncoding(reason);
        QCOMPARE(m_server->last().body, expectedReport(encoded));
        // Handed over once: the file is empty again.
        QCOMPARE(CrashRecorder::pendingReason(delegate->crashReasonFile()), QString());
    }

    void badgeShowsStoredUnreadAtLaunch()
    {
        ctx().service<UserInfo>()->setUserId(QStringLiteral("7"));
        QVERIFY(ctx().service<SQLITE>()->addSQLObject({{"LoginInfoID", "9"}, {"unread", "2"}},
                                                      QStringLiteral("historyMSG7")));
        launch();
        m_shell->loadViewIfNeeded();   // the window shows the shell: its set-up starts the chat manager
        QCOMPARE(m_shell->badgeViewAt(2)->number(), QStringLiteral("2"));
        QVERIFY(!m_shell->badgeViewAt(2)->isHidden());
    }

    void location_data()
    {
        QTest::addColumn<QList<QVariantMap>>("places");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("province");
        QTest::newRow("last place wins") << QList<QVariantMap>{{{"City", "A"}, {"State", "B"}}, {{"City", "苏州市"}, {"State", "江苏省"}}}
                                         << "苏州市" << "江苏省";
        QTest::newRow("no place") << QList<QVariantMap>{} << "旧城" << "旧省";
        QTest::newRow("no components") << QList<QVariantMap>{{{"Country", "中国"}}} << "旧城" << "旧省";
    }
    void location()
    {
        QFETCH(QList<QVariantMap>, places);
        UserInfo *user = ctx().service<UserInfo>();
        user->setOnCity(QStringLiteral("旧城"));
        user->setOnProvince(QStringLiteral("旧省"));
        launch();
        QVERIFY(m_location->pending);
        m_location->pending(places);
        QTEST(user->onCity(), "city");
        QTEST(user->onProvince(), "province");
    }

    void foregroundIsAReturnToActive_data()
    {
        QTest::addColumn<QList<int>>("states");
        QTest::addColumn<bool>("asked");   // whether the channel was asked for its connection
        const int active = Qt::ApplicationActive, inactive = Qt::ApplicationInactive,
                  hidden = Qt::ApplicationHidden;
        QTest::newRow("launch activation") << QList<int>{active} << false;
        QTest::newRow("active twice") << QList<int>{active, active} << false;
        QTest::newRow("inactive before the first activation") << QList<int>{inactive, active} << false;
        QTest::newRow("back from inactive") << QList<int>{active, inactive, active} << true;
        QTest::newRow("back from hidden") << QList<int>{active, hidden, inactive, active} << true;
        QTest::newRow("gone, not back") << QList<int>{active, hidden} << false;
    }
    void foregroundIsAReturnToActive()
    {
        QFETCH(QList<int>, states);
        AppDelegate *delegate = launch();
        for (int state : states)
            delegate->applicationStateChanged(Qt::ApplicationState(state));
        // Asking creates the channel.
        QTEST(ctx().hasService<Socket>(), "asked");
    }

    void foregroundReconnectsOnlyWhenDisconnected()
    {
        QTcpServer session;
        QVERIFY(session.listen(QHostAddress::LocalHost, 0));
        ctx().mutableConfig().sessionPort = session.serverPort();
        AppDelegate *delegate = launch();
        delegate->applicationWillEnterForeground();   // first use creates the channel
        Socket *socket = ctx().service<Socket>();
        QTRY_VERIFY(socket->isConnected());
        const int attempts = socket->connectAttempts();
        delegate->applicationWillEnterForeground();
        QCOMPARE(socket->connectAttempts(), attempts);

        // Server gone; the channel's own retries back off, the return to the foreground does not.
        socket->setBackoffPolicy({60000, 60000, 0});
        session.close();
        socket->disConnect();
        QTRY_VERIFY(!socket->asyncSocket() && !socket->isConnected());
        const int before = socket->connectAttempts();
        delegate->applicationWillEnterForeground();
        QCOMPARE(socket->connectAttempts(), before + 1);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--crash-child") == 0)
        return crashChild(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    TestAppDelegate test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appdelegate.moc"
#include <QTcpSocket>   // the channel's inline asyncSocket() needs the complete type
