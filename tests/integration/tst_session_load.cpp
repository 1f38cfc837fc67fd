// Many sessions chatting at once lose nothing between online clients (small size; the full
// 200-client, 30-second run is bench/bench_session_load).
#include "ServerProcess.h"
#include "SessionLoad.h"

#include <QtTest>

class tst_SessionLoad : public QObject
{
    Q_OBJECT

private slots:
    void ringOfClientsLosesNothing()
    {
        const int clients = 40;
        ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
        QVERIFY2(server.start({QStringLiteral("--demo"), QStringLiteral("--demo-users"), QString::number(clients)}),
                 qPrintable(server.errorText()));
        QStringList mobiles;
        for (int i = 0; i < clients; ++i)
            mobiles << QString::number(14000000000LL + i);
        SessionLoad load(server.sessionPort());
        QVERIFY(load.connectAll(mobiles, QStringLiteral("demo123")));
        // Bounded by message count, not by time: 40 clients × 50 messages, 4 in flight each.
        const SessionLoad::Result r = load.run(4, 50, 60000, 20000);
        QCOMPARE(r.sent, qint64(clients * 50));
        QCOMPARE(r.foreign, qint64(0));
        QCOMPARE(r.received, r.sent);
        QVERIFY(server.isRunning());
    }
};

QTEST_GUILESS_MAIN(tst_SessionLoad)
#include "tst_session_load.moc"
