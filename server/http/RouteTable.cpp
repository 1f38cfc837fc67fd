#include "RouteTable.h"

#include <QStringList>

void RouteTable::add(const QString &path, RouteHandler handler, const RouteAccess &access, RouteToken token)
{
    if (m_routes.contains(path.toLower()))
        qFatal("route %s is registered twice", qPrintable(path));
    m_routes.insert(path.toLower(), Route{access, token, std::move(handler)});
}

const Route *RouteTable::find(const QString &path) const
{
    const auto it = m_routes.constFind(path.toLower());
    return it == m_routes.constEnd() ? nullptr : &it.value();
}

QStringList RouteTable::paths() const
{
    QStringList list = m_routes.keys();
    list.sort();
    return list;
}
