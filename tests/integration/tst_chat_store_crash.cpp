// The client's chat store killed with SIGKILL in the middle of a burst of incoming messages: a
// child process (this program with "--burst DIR") takes messages through the real chat manager
// and store and prints each one it has shown; after the kill the store must pass SQLite's
// integrity check, hold every message the child showed, and its conversation list must agree
// with the messages (each peer's last message and unread count).
#include "SqlRows.h"
#include "TestContext.h"

#include "core/platform/NotificationCenter.h"
#include "core/session/ChatManager.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"

#include <QProcess>
#include <QtTest>

namespace {

const int kPeers = 5;
QString peerOf(int n) { return QString::number(100 + n % kPeers); }

/// The child: messages until it is killed, each printed once stored and announced.
int burst(const QString &dataDir)
{
    TestContext ctx(dataDir);
    ctx->service<UserInfo>()->setUserId(QStringLiteral("7"));
    ChatManager manager(ctx.context());
    QTextStream out(stdout);
    for (int n = 0; n < 1000000; ++n) {
        const QVariantMap message{{"Type", "2"}, {"SenderID", peerOf(n)}, {"ReceiverID", "7"},
                                  {"Content", QStringLiteral("第%1条").arg(n)}, {"SendTime", "1"}};
        ctx->notificationCenter()->postNotification(QStringLiteral("InstantMessage"), message);
        out << "shown " << n << Qt::endl;
    }
    return 0;
}

} // namespace

class tst_ChatStoreCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedMidBurstKeepsWhatItShowed()
    {
        QTemporaryDir dir;
        for (int round = 0; round < 6; ++round) { // all but the first start from a used store
            QProcess child;
            QByteArray shown;
            connect(&child, &QProcess::readyReadStandardOutput, this, [&] { shown += child.readAllStandardOutput(); });
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--burst"), dir.path()});
            QVERIFY(child.waitForStarted(10000));
            QTRY_VERIFY_WITH_TIMEOUT(shown.count('\n') > 150 + 97 * round, 60000);
            child.kill(); // SIGKILL, while it keeps writing
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            shown += child.readAllStandardOutput();

            TestContext ctx(dir.path());
            ctx->service<UserInfo>()->setUserId(QStringLiteral("7"));
            SQLITE *store = ctx->service<SQLITE>();
            QCOMPARE(sqlRows(store->database(), "PRAGMA integrity_check"), QStringList{QStringLiteral("ok")});

            for (const QByteArray &line : shown.split('\n')) {
                if (!line.startsWith("shown "))
                    continue;
                const int n = line.mid(6).toInt();
                QVERIFY2(!store->selectRows("chat7to" + peerOf(n), "\"Content\" = ?1", {QStringLiteral("第%1条").arg(n)}, "id").isEmpty(),
                         line.constData());
            }
            for (int p = 0; p < kPeers; ++p) {
                const QVariantList messages = store->selectRows("chat7to" + peerOf(p), "1", {}, "id DESC");
                const QVariantList row = store->selectRows("historyMSG7", "\"LoginInfoID\" = ?1", {peerOf(p)}, "id");
                QCOMPARE(row.size(), 1);
                QCOMPARE(row.first().toMap().value("message"), messages.first().toMap().value("Content"));
                QCOMPARE(row.first().toMap().value("unread").toInt(), messages.size());
            }
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--burst") == 0)
        return burst(QString::fromLocal8Bit(argv[2]));
    tst_ChatStoreCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chat_store_crash.moc"
