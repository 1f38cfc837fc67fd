// The velmora-server program itself: its command line and a restart on the same data directory.
#include "ServerProcess.h"

#include <QProcess>
#include <QtTest>

class tst_ServerProcess : public QObject
{
    Q_OBJECT

private slots:
    void badCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("port not a number") << QStringList{QStringLiteral("--http-port"), QStringLiteral("abc")};
        QTest::newRow("port out of range") << QStringList{QStringLiteral("--session-port=70000")};
        QTest::newRow("missing value") << QStringList{QStringLiteral("--data-dir")};
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")};
        QTest::newRow("negative demo users") << QStringList{QStringLiteral("--demo-users"), QStringLiteral("-1")};
    }
    void badCommandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess p;
        p.start(QStringLiteral(VELMORA_SERVER_BIN), arguments);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("usage:"));
    }

    void restartKeepsTheMarket()
    {
        ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
        QVERIFY2(server.start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(server.errorText()));
        const QByteArray all = "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\",\"pageIndex\":\"1\",\"pageSize\":\"1\"}";
        const int total = server.post(QStringLiteral("Market/Search"), all).value(QStringLiteral("total")).toInt();
        QVERIFY(total > 300);
        const QVariantMap saved = server.post(QStringLiteral("ZhaoBiao/AddZhaoBiao"),
            "{\"loginInfoID\":\"3\",\"sortID\":\"1\",\"nsortID\":\"1\",\"provinceID\":\"31\",\"cityID\":\"3101\",\"maxnum\":\"5\","
            "\"spec\":\"Φ12\",\"materials\":\"HRB400\",\"price\":\"3600\",\"weight\":\"50\",\"id\":\"0\",\"paytype\":\"1\"}");
        QCOMPARE(saved.value(QStringLiteral("errorCode")).toInt(), 0);
        const QString tender = saved.value(QStringLiteral("data")).toMap().value(QStringLiteral("id")).toString();

        // Same data directory, --demo again: nothing is seeded twice and nothing is lost.
        server.stop();
        QVERIFY2(server.start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(server.errorText()));
        QCOMPARE(server.post(QStringLiteral("Market/Search"), all).value(QStringLiteral("total")).toInt(), total);
        const QVariantMap detail = server.post(QStringLiteral("ZhaoBiao/ZhaoBiaoDetail"),
                                        "{\"loginInfoID\":\"3\",\"id\":\"" + tender.toUtf8() + "\"}");
        QCOMPARE(detail.value(QStringLiteral("data")).toMap().value(QStringLiteral("spec")).toString(), QStringLiteral("Φ12"));
    }
};

QTEST_GUILESS_MAIN(tst_ServerProcess)
#include "tst_server_process.moc"
