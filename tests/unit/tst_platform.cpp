#include "core/platform/Config.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"

#include "TestContext.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void config_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("envUrl");
        QTest::addColumn<QString>("serviceUrl");
        QTest::addColumn<int>("sessionPort");
        QTest::newRow("defaults on loopback") << QStringList{} << "" << "http://127.0.0.1:8080/" << 3014;
        QTest::newRow("environment, slash added") << QStringList{} << "http://10.0.0.2:81" << "http://10.0.0.2:81/" << 3014;
        QTest::newRow("command line beats environment")
            << QStringList{"app", "--service-url", "http://h:1/api/", "--session-port=4000"} << "http://env/"
            << "http://h:1/api/" << 4000;
        QTest::newRow("bad port ignored") << QStringList{"app", "--session-port=70000"} << "" << "http://127.0.0.1:8080/"
                                          << 3014;
        QTest::newRow("option without value ignored") << QStringList{"app", "--service-url"} << ""
                                                      << "http://127.0.0.1:8080/" << 3014;
    }
    void config()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, envUrl);
        QProcessEnvironment env;
        if (!envUrl.isEmpty())
            env.insert(QStringLiteral("VELMORA_SERVICE_URL"), envUrl);
        const Config c = Config::fromArguments(args, env);
        QTEST(c.serviceBaseUrl.toString(), "serviceUrl");
        QTEST(int(c.sessionPort), "sessionPort");
    }

    void observersGoWithTheirObject()
    {
        TestContext ctx;
        NotificationCenter *center = ctx->notificationCenter();
        QStringList seen;
        auto a = std::make_unique<QObject>();
        QObject b;
        center->addObserver(a.get(), QStringLiteral("UserLogoutSystem"), [&](const Notification &n) {
            seen << "a:" + n.name + ':' + n.object.toString();
        });
        center->addObserver(&b, QStringLiteral("UserLogoutSystem"), [&](const Notification &n) {
            seen << "b:" + n.name;
            // Removing another observer while handling must not break the post.
            a.reset();
        });
        center->addObserver(&b, QString(), [&](const Notification &n) { seen << "b*:" + n.name; });
        center->postNotification(QStringLiteral("UserLogoutSystem"), QStringLiteral("o"));
        center->postNotification(QStringLiteral("UserLogoutSystem"));
        center->postNotification(QStringLiteral("qingkong"));
        QCOMPARE(seen, (QStringList{"a:UserLogoutSystem:o", "b:UserLogoutSystem", "b*:UserLogoutSystem",
                                    "b:UserLogoutSystem", "b*:UserLogoutSystem", "b*:qingkong"}));
        QCOMPARE(center->observerCount(QStringLiteral("UserLogoutSystem")), 1);
    }

    // Names come from the one header (each constant named as it spells); a name posted is heard
    // in the client or listed for outside listeners; a name observed is posted somewhere.
    void everyNotificationNameIsPostedAndHeard()
    {
        const QRegularExpression call(QStringLiteral(R"(\b(postNotification\s*\(|addObserver\s*\([^,]*,)\s*([^,;]*))"));
        const QRegularExpression constant(QStringLiteral(R"(NotificationNames::(\w+))"));
        QSet<QString> posted, observed;
        QStringList wrong;
        for (QDirIterator it(QStringLiteral(VELMORA_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            QFile f(it.next());
            if (f.fileName().contains(QLatin1String("NotificationCenter.")) || !f.open(QIODevice::ReadOnly))
                continue;
            for (auto calls = call.globalMatch(QString::fromUtf8(f.readAll())); calls.hasNext();) {
                const auto m = calls.next();
                auto names = constant.globalMatch(m.captured(2));
                if (!names.hasNext())
                    wrong << f.fileName() + QStringLiteral(" spells a name: ") + m.captured(2);
                while (names.hasNext())
                    (m.captured(1).startsWith(u'p') ? posted : observed).insert(names.next().captured(1));
            }
        }
        const QSet<QString> outside(NotificationNames::forOutsideListeners.cbegin(), NotificationNames::forOutsideListeners.cend());
        for (const QString &n : posted - observed - outside)
            wrong << n + QStringLiteral(": posted, heard by nobody in the client");
        for (const QString &n : (observed - posted) + (outside & observed))
            wrong << n + QStringLiteral(": observed, yet never posted, or listed for outside listeners");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
