// Opening a conversation and taking in one message, with 1k, 10k and 100k stored messages with
// the peer. Prints the median and the 90th percentile of each, in milliseconds, beside the floor
// under opening: one prepared statement reading the same newest rows straight from SQLite.
//
//     build/bench/bench_conversation [rounds=30]
#include "TestContext.h"

#include "app/NavigationStack.h"
#include "app/SuperController.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/SQLITE.h"
#include "core/session/UserInfo.h"
#include "screens/im/ChatOpener.h"
#include "screens/im/SteelChatViewController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

namespace {
QVariantMap message(qint64 time, const QString &resource)
{
    return {{"Type", "2"}, {"SenderID", "9"}, {"ReceiverID", "7"}, {"SendTime", QString::number(time)},
            {"Content", QStringLiteral("螺纹钢 HRB400 20mm 还有货吗？报个价")}, {"ResourceID", resource},
            {"SenderMobileNumber", "13900001111"}};
}

struct Figures
{
    double median;
    double p90;
};

Figures figures(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(ms.size() * 9 / 10)};
}

/// Milliseconds to read the newest rows of one resource's conversation with a prepared statement
/// and copy out every column as text: what opening costs without the screen around it.
double rawNewestRows(sqlite3 *db, const char *table, int rows)
{
    const QByteArray sql = QByteArray("select * from \"") + table
                           + "\" where \"ResourceID\"='0' order by \"id\" desc limit " + QByteArray::number(rows);
    QElapsedTimer t;
    t.start();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    QList<QByteArray> copied;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            copied << QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)));
    sqlite3_finalize(stmt);
    return t.nsecsElapsed() / 1e6;
}

void run(int stored, int rounds)
{
    TestContext ctx;
    ctx->service<UserInfo>()->setUserId(QStringLiteral("7"));
    SQLITE *store = ctx->service<SQLITE>();
    store->transaction([&] {
        // One message in ten is about a resource, the rest plain conversation.
        for (int i = 0; i < stored; ++i)
            store->addSQLObject(message(1700000000 + i, i % 10 == 0 ? QStringLiteral("15") : QStringLiteral("0")),
                                QStringLiteral("chat7to9"));
        return true;
    });
    NavigationStack stack(new SuperController);
    ViewController *root = stack.rootViewController();

    QElapsedTimer t;
    t.start();
    SteelChatViewController *first = ChatOpener::open(root, QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("老李"));
    const double firstOpen = t.nsecsElapsed() / 1e6;
    first->popViewController();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QList<double> opens;
    QList<double> takes;
    QList<double> raws;
    for (int round = 0; round < rounds; ++round) {
        raws << rawNewestRows(store->database(), "chat7to9", SteelChatViewController::kPageSize);
        t.restart();
        SteelChatViewController *chat = ChatOpener::open(root, QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("老李"));
        opens << t.nsecsElapsed() / 1e6;
        for (int i = 0; i < 10; ++i) {
            t.restart();
            // The whole path: the chat manager stores it and the open screen shows it.
            ctx->notificationCenter()->postNotification(QStringLiteral("InstantMessage"), message(0, QStringLiteral("0")));
            takes << t.nsecsElapsed() / 1e6;
        }
        if (chat->chatDataArray()->count() != 15)
            std::fprintf(stderr, "unexpected row count %d\n", chat->chatDataArray()->count());
        chat->popViewController();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const Figures open = figures(opens);
    const Figures take = figures(takes);
    std::printf("%7d stored: first open %.2f ms (builds the index); open median %.3f ms, p90 %.3f ms; "
                "take in one message median %.3f ms, p90 %.3f ms\n",
                stored, firstOpen, open.median, open.p90, take.median, take.p90);
    const Figures raw = figures(raws);
    std::printf("| Opening a conversation, %dk stored messages (median / p90) | %.2f / %.2f ms"
                " | %.2f / %.2f ms, its newest rows read by one prepared statement |\n",
                stored / 1000, open.median, open.p90, raw.median, raw.p90);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 30;
    for (int stored : {1000, 10000, 100000})
        run(stored, rounds);
    return 0;
}
