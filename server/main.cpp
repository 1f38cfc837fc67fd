#include "DemoSeeder.h"
#include "MarketDatabase.h"
#include "ServerOptions.h"
#include "http/HttpService.h"
#include "session/SessionServer.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const ServerOptions options = ServerOptions::parse(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(options.error), qPrintable(ServerOptions::usage()));
        return 2;
    }

    const QString dataDir = options.dataDir.isEmpty() ? QDir::currentPath() : options.dataDir;
    if (!QDir().mkpath(dataDir)) {
        std::fprintf(stderr, "cannot create data directory %s\n", qPrintable(dataDir));
        return 1;
    }
    MarketDatabase db;
    if (!db.open(QDir(dataDir).filePath(QStringLiteral("market.sqlite3"))))
        return 1;
    if (options.demo) {
        DemoSeeder seeder(db, QDir(dataDir).filePath(QStringLiteral("pictures")));
        seeder.seedIfEmpty();
        seeder.addLoadUsers(options.demoUsers);
    }

    HttpService http(db, dataDir);
    SessionServer session(db);
    QObject::connect(&http, &HttpService::pushNotice, &session, &SessionServer::sendPushNotice);
    http.setOnlineCheck([&session](qint64 userId) { return session.isOnline(userId); });

    const quint16 httpPort = http.listen(options.address, options.httpPort);
    if (httpPort == 0) {
        std::fprintf(stderr, "cannot listen for HTTP on port %u\n", unsigned(options.httpPort));
        return 1;
    }
    if (!session.listen(options.address, options.sessionPort)) {
        std::fprintf(stderr, "cannot listen for sessions on port %u\n", unsigned(options.sessionPort));
        return 1;
    }
    // Tests and scripts read this exact line to learn the ports.
    std::printf("velmora-server listening http=%u session=%u\n", unsigned(httpPort),
                unsigned(session.port()));
    std::fflush(stdout);
    return app.exec();
}
