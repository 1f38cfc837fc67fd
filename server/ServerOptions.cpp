#include "ServerOptions.h"

namespace {

bool readPort(const QString &text, quint16 &port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 65535)
        return false;
    port = quint16(value);
    return true;
}

} // namespace

ServerOptions ServerOptions::parse(const QStringList &arguments)
{
    ServerOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        QString value;
        bool hasInlineValue = false;
        const qsizetype eq = arg.indexOf(u'=');
        if (arg.startsWith(QLatin1String("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasInlineValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasInlineValue)
                return true;
            if (i + 1 >= arguments.size())
                return false;
            value = arguments.at(++i);
            return true;
        };
        if (arg == QLatin1String("--demo")) {
            o.demo = true;
        } else if (arg == QLatin1String("--http-port")) {
            if (!takeValue() || !readPort(value, o.httpPort))
                o.error = QStringLiteral("--http-port needs a port number (0 = any free port)");
        } else if (arg == QLatin1String("--session-port")) {
            if (!takeValue() || !readPort(value, o.sessionPort))
                o.error = QStringLiteral("--session-port needs a port number (0 = any free port)");
        } else if (arg == QLatin1String("--data-dir")) {
            if (!takeValue() || value.isEmpty())
                o.error = QStringLiteral("--data-dir needs a directory");
            else
                o.dataDir = value;
        } else if (arg == QLatin1String("--demo-users")) {
            bool ok = false;
            if (takeValue())
                o.demoUsers = value.toInt(&ok);
            if (!ok || o.demoUsers < 0 || o.demoUsers > 100000)
                o.error = QStringLiteral("--demo-users needs a count from 0 to 100000");
        } else if (arg == QLatin1String("--listen")) {
            if (!takeValue() || !o.address.setAddress(value))
                o.error = QStringLiteral("--listen needs an IP address");
        } else {
            o.error = QStringLiteral("unknown option %1").arg(arg);
        }
        if (!o.error.isEmpty())
            break;
    }
    return o;
}

QString ServerOptions::usage()
{
    return QStringLiteral(
        "usage: velmora-server [--demo] [--http-port N] [--session-port N] [--data-dir DIR]"
        " [--listen ADDRESS] [--demo-users N]\n"
        "  port 0 picks a free port; the chosen ports are printed as\n"
        "  \"velmora-server listening http=PORT session=PORT\"\n");
}
