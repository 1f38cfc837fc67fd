#include "core/platform/ReachabilityPort.h"

#include <QNetworkInterface>

bool ReachabilityPort::isReachable(const QString &host) const
{
    Q_UNUSED(host)
    // Like the phone's check, this asks whether a route could exist, not whether the host answers.
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        const auto flags = i.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (!i.addressEntries().isEmpty())
            return true;
    }
    return false;
}
