#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

/// Command line of velmora-server. Port 0 asks the system for a free port.
struct ServerOptions
{
    quint16 httpPort = 8080;
    quint16 sessionPort = 3014;
    QString dataDir;            ///< holds market.sqlite3 and pictures/; empty = current directory
    QHostAddress address = QHostAddress::LocalHost;
    bool demo = false;          ///< seed a demo market into an empty database
    int demoUsers = 0;          ///< extra demo accounts 14000000000 + i (load tests), with --demo
    int demoScale = 1;          ///< with --demo: the market this many times the demo's size
    bool trustUserIds = false;  ///< accept service calls without a session key
    bool printCodes = false;    ///< write verification codes into the log (there is no SMS gateway)
    int maxConnections = 0;     ///< per listener; 0 = from the descriptor limit
    int idleSeconds = 30;       ///< idle HTTP connections and session connections without a login
    QString error;              ///< set when the command line could not be read
    QString usage;              ///< the help text
    bool help = false;          ///< --help: print the usage and exit

    static ServerOptions parse(const QStringList &arguments);
};
