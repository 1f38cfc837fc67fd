#include "core/session/ReconnectBackoff.h"

#include <QTest>

class TestReconnectBackoff : public QObject
{
    Q_OBJECT
private slots:
    // Ten seconds of a server that stays away cost at most five attempts with the defaults,
    // whatever the jitter draws; once capped, attempts are 24 to 30 s apart.
    void tenSecondsOfReconnecting()
    {
        for (quint32 seed = 1; seed <= 500; ++seed) {
            ReconnectBackoff backoff(ReconnectBackoff::Policy(), seed);
            qint64 at = 0;
            int attempts = 0;
            for (;;) {
                at += backoff.nextDelayMs();
                if (at > 10000)
                    break;
                ++attempts;
            }
            QVERIFY2(attempts >= 4 && attempts <= 5, qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(attempts)));
            for (int i = 0; i < 40; ++i) {
                const int d = backoff.nextDelayMs();
                QVERIFY(d <= 30000);
                if (i > 10)
                    QVERIFY(d >= 24000);
            }
        }
    }

    void delaysDoubleUpToTheCapAndResetOnConnect()
    {
        const QList<int> expected{0, 500, 1000, 2000, 4000, 8000, 16000, 30000, 30000};
        ReconnectBackoff backoff({500, 30000, 0}, 1);
        QList<int> got;
        for (qsizetype i = 0; i < expected.size(); ++i)
            got.append(backoff.nextDelayMs());
        QCOMPARE(got, expected);
        backoff.reset();
        QCOMPARE(backoff.nextDelayMs(), 0);
        QCOMPARE(backoff.nextDelayMs(), 500);
    }
};

QTEST_GUILESS_MAIN(TestReconnectBackoff)
#include "tst_reconnectbackoff.moc"
