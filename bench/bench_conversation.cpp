// Opening a conversation and taking in one message, with 1k, 10k and 100k stored messages with
// the peer. Prints the median and the 90th percentile of each, in milliseconds.
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

void run(int stored)
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
    for (int round = 0; round < 30; ++round) {
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
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    for (int stored : {1000, 10000, 100000})
        run(stored);
    return 0;
}
