#pragma once

#include "ServiceCall.h"
#include "ServiceResult.h"

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

/// Which token a path accepts in "tokenKey".
enum class RouteToken {
    Service,  ///< the client's service token
    Report,   ///< the crash-report / advice token
};

using RouteHandler = std::function<ServiceResult(const ServiceCall &)>;

struct Route
{
    RouteToken token = RouteToken::Service;
    RouteHandler handler;
};

/// Paths to handlers, matched without regard to case ("Market/Search" = "market/search").
class RouteTable
{
public:
    void add(const QString &path, RouteHandler handler, RouteToken token = RouteToken::Service);

    /// Adds a table of (path, member function) pairs of one route-handler object.
    template<class T>
    using Member = ServiceResult (T::*)(const ServiceCall &);
    template<class T>
    void addAll(T *handlers, std::initializer_list<std::pair<const char *, Member<T>>> table,
                RouteToken token = RouteToken::Service)
    {
        for (const auto &entry : table) {
            const Member<T> member = entry.second;   // a lambda may not capture a structured binding (C++17)
            add(QString::fromLatin1(entry.first),
                [handlers, member](const ServiceCall &call) { return (handlers->*member)(call); }, token);
        }
    }

    const Route *find(const QString &path) const;
    QStringList paths() const;

private:
    QHash<QString, Route> m_routes;
};
