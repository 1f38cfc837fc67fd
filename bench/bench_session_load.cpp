// Session server under load: N logged-in clients chat in a ring for a fixed time on loopback,
// each keeping K messages in flight. Prints throughput, latency and messages lost, beside the
// latency of two clients alone on the same server (one message in flight) as the floor.
//
//   bench_session_load [clients=200] [seconds=30] [inFlight=4]
#include "ServerProcess.h"
#include "SessionLoad.h"

#include <QCoreApplication>
#include <cstdio>
#include <limits>
#include <optional>

namespace {
/// Demo users `first`.. chat; each run has users of its own.
std::optional<SessionLoad::Result> chat(quint16 port, int first, int clients, int seconds, int inFlight)
{
    QStringList mobiles;
    for (int i = first; i < first + clients; ++i)
        mobiles << QString::number(14000000000LL + i);
    SessionLoad load(port);
    if (!load.connectAll(mobiles, QStringLiteral("demo123"), 60000)) {
        std::fprintf(stderr, "not every client could log in\n");
        return std::nullopt;
    }
    return load.run(inFlight, std::numeric_limits<qint64>::max(), seconds * 1000, 15000);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int clients = args.size() > 1 ? args.at(1).toInt() : 200;
    const int seconds = args.size() > 2 ? args.at(2).toInt() : 30;
    const int inFlight = args.size() > 3 ? args.at(3).toInt() : 4;

    ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
    if (!server.start({QStringLiteral("--demo"), QStringLiteral("--demo-users"), QString::number(clients + 2)})) {
        std::fprintf(stderr, "server did not start: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    const auto pair = chat(server.sessionPort(), clients, 2, 2, 1);
    const auto r = chat(server.sessionPort(), 0, clients, seconds, inFlight);
    if (!pair || !r)
        return 1;
    std::printf("session load: %d clients, %d in flight each, %.1f s\n", r->clients, inFlight, r->seconds);
    std::printf("  sent %lld, received %lld, lost %lld, misdelivered %lld\n", r->sent, r->received, r->lost(), r->foreign);
    std::printf("  throughput %.0f messages/s, latency p50 %.2f ms, p99 %.2f ms\n", r->received / r->seconds, r->p50Ms, r->p99Ms);
    std::printf("  two clients alone: latency p50 %.2f ms, p99 %.2f ms\n", pair->p50Ms, pair->p99Ms);
    std::printf("| %d sessions chatting, %d s (messages lost; p99) | %lld of %lld lost; %.1f ms"
                " | %lld lost; %.1f ms, two sessions alone |\n", clients, seconds, r->lost(), r->sent, r->p99Ms,
                pair->lost(), pair->p99Ms);
    return r->lost() == 0 && r->foreign == 0 ? 0 : 2;
}
