// Session server under load: N logged-in clients chat in a ring for a fixed time on loopback,
// each keeping K messages in flight. Prints throughput, latency and messages lost.
//
//   bench_session_load [clients=200] [seconds=30] [inFlight=4]
#include "ServerProcess.h"
#include "SessionLoad.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int clients = args.size() > 1 ? args.at(1).toInt() : 200;
    const int seconds = args.size() > 2 ? args.at(2).toInt() : 30;
    const int inFlight = args.size() > 3 ? args.at(3).toInt() : 4;

    ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
    if (!server.start({QStringLiteral("--demo"), QStringLiteral("--demo-users"), QString::number(clients)})) {
        std::fprintf(stderr, "server did not start: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    QStringList mobiles;
    for (int i = 0; i < clients; ++i)
        mobiles << QString::number(14000000000LL + i);
    SessionLoad load(server.sessionPort());
    if (!load.connectAll(mobiles, QStringLiteral("demo123"), 60000)) {
        std::fprintf(stderr, "not every client could log in\n");
        return 1;
    }
    const SessionLoad::Result r = load.run(inFlight, std::numeric_limits<qint64>::max(), seconds * 1000, 15000);
    std::printf("session load: %d clients, %d in flight each, %.1f s\n", r.clients, inFlight, r.seconds);
    std::printf("  sent %lld, received %lld, lost %lld, misdelivered %lld\n", r.sent, r.received, r.lost(), r.foreign);
    std::printf("  throughput %.0f messages/s, latency p50 %.2f ms, p99 %.2f ms\n", r.received / r.seconds, r.p50Ms, r.p99Ms);
    return r.lost() == 0 && r.foreign == 0 ? 0 : 2;
}
