#include "RouteTable.h"

#include <QStringList>

void RouteTable::add(const QString &path, RouteHandler handler, RouteToken token)
{
    m_routes.insert(path.toLower(), Route{token, std::move(handler)});
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
