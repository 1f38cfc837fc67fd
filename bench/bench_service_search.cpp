// The service's list calls on a large market: each list at page 1 and page 500 (best of a few
// runs, one client), then C concurrent clients paging through the supermarket for S seconds,
// beside the HTTP layer's own rate (an unknown path: no store work) in the same run.
//
//   bench_service_search [scale=240] [clients=8] [seconds=10]
#include "ServerProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <algorithm>
#include <functional>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QByteArray kEnvelope = "auth={\"os\":\"iOS\",\"tokenKey\":\"A3C9E1F07B2D4C6E8F1A0B3D5C7E\"}&info=";

struct Call
{
    const char *name;
    const char *path;
    QByteArray info; // "%1" stands for the page index
};

QByteArray post(QNetworkAccessManager &nam, const QUrl &base, const Call &call, int page)
{
    QNetworkRequest req(base.resolved(QUrl(QString::fromLatin1(call.path))));
    req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
    QNetworkReply *reply = nam.post(req, kEnvelope + QByteArray(call.info).replace("%1", QByteArray::number(page)));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->readAll();
}

/// Requests per second and p99 (ms) of `clients` clients each keeping one request in flight.
std::pair<double, double> load(const QUrl &base, const Call &call, int clients, int seconds)
{
    std::vector<std::unique_ptr<QNetworkAccessManager>> nams;
    std::vector<double> latencies;
    QElapsedTimer clock;
    clock.start();
    const qint64 end = seconds * 1000;
    int running = clients;
    QEventLoop loop;
    std::function<void(QNetworkAccessManager *, int)> next = [&](QNetworkAccessManager *nam, int page) {
        if (clock.elapsed() >= end) {
            if (--running == 0)
                loop.quit();
            return;
        }
        QNetworkRequest req(base.resolved(QUrl(QString::fromLatin1(call.path))));
        req.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/x-www-form-urlencoded"));
        const qint64 start = clock.nsecsElapsed();
        QNetworkReply *reply = nam->post(req, kEnvelope + QByteArray(call.info).replace("%1", QByteArray::number(page)));
        QObject::connect(reply, &QNetworkReply::finished, nam, [&, nam, page, reply, start] {
            latencies.push_back((clock.nsecsElapsed() - start) / 1e6);
            reply->deleteLater();
            next(nam, page % 500 + 1);
        });
    };
    for (int i = 0; i < clients; ++i) {
        nams.push_back(std::make_unique<QNetworkAccessManager>());
        next(nams.back().get(), 1 + i * 61 % 500);
    }
    loop.exec();
    std::sort(latencies.begin(), latencies.end());
    const double p99 = latencies.empty() ? 0 : latencies[size_t(latencies.size() * 0.99)];
    return {latencies.size() / (clock.elapsed() / 1000.0), p99};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int scale = args.size() > 1 ? args.at(1).toInt() : 240;
    const int clients = args.size() > 2 ? args.at(2).toInt() : 8;
    const int seconds = args.size() > 3 ? args.at(3).toInt() : 10;

    ServerProcess server{QStringLiteral(VELMORA_SERVER_BIN)};
    QElapsedTimer seeding;
    seeding.start();
    if (!server.start({QStringLiteral("--demo"), QStringLiteral("--demo-scale"), QString::number(scale),
                       QStringLiteral("--trust-user-ids")}, 600000)) {
        std::fprintf(stderr, "server did not start: %s\n", qPrintable(server.errorText()));
        return 1;
    }
    std::printf("market seeded at scale %d in %.1f s\n", scale, seeding.elapsed() / 1000.0);
    const QUrl base = server.baseUrl();
    const QByteArray paging = "\"pageIndex\":\"%1\",\"pageSize\":\"10\"";
    const std::vector<Call> calls{
        {"search, no filter", "Market/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\"," + paging + "}"},
        {"search, category", "Market/Search", "{\"sortID\":\"1\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\"," + paging + "}"},
        {"search, category+province", "Market/Search", "{\"sortID\":\"1\",\"nsortID\":\"0\",\"provinceID\":\"32\",\"spec\":\"0\"," + paging + "}"},
        {"search, kind+province", "Market/Search", "{\"sortID\":\"1\",\"nsortID\":\"1\",\"provinceID\":\"32\",\"spec\":\"0\"," + paging + "}"},
        {"search, mill", "Market/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\",\"yieldlydirect\":\"沙钢\"," + paging + "}"},
        {"search, spec text", "Market/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"12\"," + paging + "}"},
        {"search, rare spec text", "Market/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"Φ18\"," + paging + "}"},
        {"search, category+spec", "Market/Search", "{\"sortID\":\"1\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"12\"," + paging + "}"},
        {"search, city", "Market/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"3201\",\"spec\":\"0\"," + paging + "}"},
        {"spec list, no filter", "market/getspec", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"pageSize\":\"500\"}"},
        {"spec list, province", "market/getspec", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"32\",\"pageSize\":\"500\"}"},
        {"auctions", "auction/GetAuctionList", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\"," + paging + "}"},
        {"auctions, province", "auction/GetAuctionList", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"32\",\"spec\":\"0\"," + paging + "}"},
        {"tenders, kind", "ZhaoBiao/Search", "{\"sortID\":\"0\",\"nsortID\":\"2\",\"provinceID\":\"0\",\"spec\":\"0\"," + paging + "}"},
        {"tenders", "ZhaoBiao/Search", "{\"sortID\":\"0\",\"nsortID\":\"0\",\"provinceID\":\"0\",\"spec\":\"0\"," + paging + "}"},
        {"articles", "zixun/getnews", "{\"newsType\":\"1\"," + paging + "}"},
        {"orders of a buyer", "Market/ToBeConfirmedOrder", "{\"loginInfoID\":\"1\",\"Status\":\"1\",\"role\":\"buy\"," + paging + "}"},
        {"resources of a user", "Market/MyResourceList", "{\"loginInfoID\":\"4\",\"status\":\"2\"," + paging + "}"},
    };
    QNetworkAccessManager nam;
    // The HTTP layer alone: an unknown path answers without touching the store.
    const Call unknown{"http layer", "no/such/path", "{}"};
    double httpBest = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        post(nam, base, unknown, 1);
        httpBest = std::min(httpBest, t.nsecsElapsed() / 1e6);
    }
    const int lots = scale * 420; // the demo market has 420 lots per unit of scale
    std::printf("%-28s %12s %12s\n", "call (best of 5)", "page 1 ms", "page 500 ms");
    for (const Call &call : calls) {
        double best[2] = {1e9, 1e9};
        for (int run = 0; run < 5; ++run) {
            for (int i = 0; i < 2; ++i) {
                QElapsedTimer t;
                t.start();
                post(nam, base, call, i == 0 ? 1 : 500);
                best[i] = std::min(best[i], t.nsecsElapsed() / 1e6);
            }
        }
        std::printf("%-28s %12.2f %12.2f\n", call.name, best[0], best[1]);
        std::printf("| Service list call at %dk lots: %s (page 1 / page 500, best of 5) | %.2f / %.2f ms"
                    " | %.2f ms, the HTTP layer alone |\n", lots / 1000, call.name, best[0], best[1], httpBest);
    }
    const auto [searchRate, searchP99] = load(base, calls.at(2), clients, seconds);
    const auto [httpRate, httpP99] = load(base, unknown, clients, seconds);
    std::printf("%d clients, %d s each: search %.0f req/s (p99 %.2f ms); HTTP layer alone %.0f req/s (p99 %.2f ms)\n",
                clients, seconds, searchRate, searchP99, httpRate, httpP99);
    std::printf("| Searching with %d clients at once (p99, throughput) | %.1f ms, %.0f req/s"
                " | %.1f ms, %.0f req/s, the HTTP layer alone |\n", clients, searchP99, searchRate, httpP99, httpRate);
    return 0;
}
