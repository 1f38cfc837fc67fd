#include "BoundedTcpServer.h"
#include "DemoSeeder.h"
#include "MarketDatabase.h"
#include "ServerLog.h"
#include "ServerOptions.h"
#include "SessionKeys.h"
#include "http/HttpService.h"
#include "session/SessionServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdio>
#include <sys/stat.h>

namespace {

/// The market holds password hashes, chat messages and company papers: only its owner may read
/// it. Files made from now on are private (umask); what an earlier run left is made so too.
bool makePrivate(const QString &dataDir)
{
    ::umask(077);
    if (!QDir().mkpath(dataDir))
        return false;
    constexpr auto dirMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    constexpr auto fileMode = QFile::ReadOwner | QFile::WriteOwner;
    QFile::setPermissions(dataDir, dirMode);
    for (const QString &name : {QStringLiteral("market.sqlite3"), QStringLiteral("market.sqlite3-wal"),
                                QStringLiteral("market.sqlite3-shm")}) {
        if (QFile::exists(QDir(dataDir).filePath(name)))
            QFile::setPermissions(QDir(dataDir).filePath(name), fileMode);
    }
    const QString pictures = QDir(dataDir).filePath(QStringLiteral("pictures"));
    if (QFile::exists(pictures)) {
        QFile::setPermissions(pictures, dirMode);
        QDirIterator it(pictures, QDir::Files);
        while (it.hasNext())
            QFile::setPermissions(it.next(), fileMode);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ServerLog::install();
    const ServerOptions options = ServerOptions::parse(app.arguments());
    if (options.help) {
        std::fputs(qPrintable(options.usage), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(options.error), qPrintable(options.usage));
        return 2;
    }

    const QString dataDir = options.dataDir.isEmpty() ? QDir::currentPath() : options.dataDir;
    if (!makePrivate(dataDir)) {
        std::fprintf(stderr, "cannot create data directory %s\n", qPrintable(dataDir));
        return 1;
    }
    MarketDatabase db;
    if (!db.open(QDir(dataDir).filePath(QStringLiteral("market.sqlite3"))))
        return 1;
    if (options.demo) {
        DemoSeeder seeder(db, QDir(dataDir).filePath(QStringLiteral("pictures")));
        seeder.seedIfEmpty(options.demoScale);
        seeder.addLoadUsers(options.demoUsers);
    }

    const int cap = options.maxConnections ? options.maxConnections : BoundedTcpServer::defaultCap(2);
    SessionKeys keys;
    HttpService http(db, dataDir, keys, HttpService::Limits{16 * 1024 * 1024, options.idleSeconds * 1000, cap});
    SessionServer session(db, keys, cap, options.idleSeconds * 1000);
    http.setTrustUserIds(options.trustUserIds);
    http.setPrintCodes(options.printCodes);
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
    if (!options.address.isLoopback())
        qCWarning(lcServer).noquote()
            << "warning: listening on" << options.address.toString()
            << "- anyone who reaches it sees plain HTTP and TCP: passwords at login, chat messages,"
               " session keys and the fixed service token travel unencrypted";
    if (options.trustUserIds)
        qCWarning(lcServer).noquote() << "warning: --trust-user-ids: any caller may act as any user it names";
    // Tests and scripts read this exact line to learn the ports.
    std::printf("velmora-server listening http=%u session=%u\n", unsigned(httpPort),
                unsigned(session.port()));
    std::fflush(stdout);
    return app.exec();
}
