#pragma once

#include "RouteAccess.h"
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
    RouteAccess access;
    RouteToken token = RouteToken::Service;
    RouteHandler handler;
};

/// Paths to handlers, matched without regard to case ("Market/Search" = "market/search").
/// Every route declares who may call it (RouteAccess); the service checks that before the handler.
class RouteTable
{
public:
    /// A second route for the same path stops the program: it is a mistake in a route table.
    void add(const QString &path, RouteHandler handler, const RouteAccess &access,
             RouteToken token = RouteToken::Service);

    /// One line of a route table: path, member function of the handler object, access rule.
    /// RouteAccess has no default, so a line without a rule does not compile.
    template<class T>
    using Member = ServiceResult (T::*)(const ServiceCall &);
    template<class T>
    struct Entry
    {
        const char *path;
        Member<T> member;
        RouteAccess access;
    };
    template<class T>
    void addAll(T *handlers, std::initializer_list<Entry<T>> table, RouteToken token = RouteToken::Service)
    {
        for (const Entry<T> &entry : table) {
            const Member<T> member = entry.member;
            add(QString::fromLatin1(entry.path),
                [handlers, member](const ServiceCall &call) { return (handlers->*member)(call); }, entry.access,
                token);
        }
    }

    const Route *find(const QString &path) const;
    QStringList paths() const;

private:
    QHash<QString, Route> m_routes;
};
