#include "ServerOptions.h"

#include <QCommandLineParser>

namespace {

bool readInt(const QString &text, int min, int max, int &out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return false;
    out = value;
    return true;
}

} // namespace

ServerOptions ServerOptions::parse(const QStringList &arguments)
{
    ServerOptions o;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The local market service: the HTTP service and the session server over one SQLite file.\n"
        "Port 0 picks a free port; the chosen ports are printed as\n"
        "\"velmora-server listening http=PORT session=PORT\"."));
    const QCommandLineOption httpPort(QStringLiteral("http-port"), QStringLiteral("HTTP port (default 8080)."), QStringLiteral("N"));
    const QCommandLineOption sessionPort(QStringLiteral("session-port"), QStringLiteral("Session port (default 3014)."), QStringLiteral("N"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("Data directory (default: the current one)."), QStringLiteral("DIR"));
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1)."), QStringLiteral("ADDRESS"));
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Seed a demo market into an empty database."));
    const QCommandLineOption demoUsers(QStringLiteral("demo-users"), QStringLiteral("With --demo: N extra accounts 14000000000… for load tests."), QStringLiteral("N"));
    const QCommandLineOption demoScale(QStringLiteral("demo-scale"), QStringLiteral("With --demo: a market N times the demo's size."), QStringLiteral("N"));
    const QCommandLineOption trust(QStringLiteral("trust-user-ids"), QStringLiteral("Accept service calls that carry no session key."));
    const QCommandLineOption maxConnections(QStringLiteral("max-connections"), QStringLiteral("Open connections per port (default: from the descriptor limit)."), QStringLiteral("N"));
    const QCommandLineOption idle(QStringLiteral("idle-timeout"), QStringLiteral("Seconds an idle HTTP connection, or a session without a login, stays open (default 30)."), QStringLiteral("S"));
    const QCommandLineOption printCodes(QStringLiteral("print-codes"), QStringLiteral("Write the verification codes into the log, for testers (there is no SMS gateway)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Print this help and exit."));
    parser.addOptions({help, httpPort, sessionPort, dataDir, listen, demo, demoUsers, demoScale, trust, printCodes, maxConnections, idle});
    o.usage = QStringLiteral("usage: ") + parser.helpText().section(QLatin1String("Usage: "), 1);

    if (!parser.parse(arguments)) {
        o.error = parser.errorText();
        return o;
    }
    if (parser.isSet(help)) {
        o.help = true;
        return o;
    }
    if (!parser.positionalArguments().isEmpty()) {
        o.error = QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return o;
    }
    int port = 0;
    if (parser.isSet(httpPort)) {
        if (!readInt(parser.value(httpPort), 0, 65535, port))
            o.error = QStringLiteral("--http-port needs a port number (0 = any free port)");
        o.httpPort = quint16(port);
    }
    if (parser.isSet(sessionPort)) {
        if (!readInt(parser.value(sessionPort), 0, 65535, port))
            o.error = QStringLiteral("--session-port needs a port number (0 = any free port)");
        o.sessionPort = quint16(port);
    }
    if (parser.isSet(dataDir)) {
        o.dataDir = parser.value(dataDir);
        if (o.dataDir.isEmpty())
            o.error = QStringLiteral("--data-dir needs a directory");
    }
    if (parser.isSet(listen) && !o.address.setAddress(parser.value(listen)))
        o.error = QStringLiteral("--listen needs an IP address");
    o.demo = parser.isSet(demo);
    if (parser.isSet(demoUsers) && !readInt(parser.value(demoUsers), 0, 100000, o.demoUsers))
        o.error = QStringLiteral("--demo-users needs a count from 0 to 100000");
    if (parser.isSet(demoScale) && !readInt(parser.value(demoScale), 1, 1000, o.demoScale))
        o.error = QStringLiteral("--demo-scale needs a factor from 1 to 1000");
    o.trustUserIds = parser.isSet(trust);
    o.printCodes = parser.isSet(printCodes);
    if (parser.isSet(maxConnections) && !readInt(parser.value(maxConnections), 1, 100000, o.maxConnections))
        o.error = QStringLiteral("--max-connections needs a count from 1 to 100000");
    if (parser.isSet(idle) && !readInt(parser.value(idle), 1, 86400, o.idleSeconds))
        o.error = QStringLiteral("--idle-timeout needs seconds from 1 to 86400");
    return o;
}
