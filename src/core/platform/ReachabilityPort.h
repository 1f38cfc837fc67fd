#pragma once

#include <QString>

class AppContext;

/// Whether the internet can be reached at all, asked when a list fails to load so that the user
/// is told to check the connection only when that is the likely cause. The desktop check looks
/// for a network interface that is up and has an address beyond loopback.
class ReachabilityPort
{
public:
    ReachabilityPort() = default;
    explicit ReachabilityPort(AppContext &) {}
    virtual ~ReachabilityPort() = default;

    /// The well-known public host the check is made for.
    static QString publicHost() { return QStringLiteral("www.baidu.com"); }

    virtual bool isReachable(const QString &host) const;
};
