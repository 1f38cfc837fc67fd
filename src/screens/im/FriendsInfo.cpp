#include "screens/im/FriendsInfo.h"

#include "core/platform/AppContext.h"
#include "core/session/SQLITE.h"
#include "core/util/Value.h"
#include "screens/im/ImTables.h"

FriendsInfo::FriendsInfo(QObject *parent) : SuperController(parent) {}

void FriendsInfo::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("商友信息"));
    // The column is stored as "LoginInfoId"; column names match without regard to case.
    const QVariantList rows = context().service<SQLITE>()->selectSQLFromtable(
        ImTables::friends(context()), QStringLiteral("LoginInfoID"), m_loginInfoID, 1, 0, 1);
    m_friend = rows.isEmpty() ? QVariantMap() : Value::map(rows.first());
    emit changed();
}

QString FriendsInfo::field(const char *key) const
{
    const QVariant v = m_friend.value(QString::fromLatin1(key));
    return Value::isNone(v) ? QString() : Value::text(v);
}

QString FriendsInfo::name() const
{
    const QString user = field("UserName");
    return user.isEmpty() ? field("NickName") : user;
}

QString FriendsInfo::area() const
{
    if (m_friend.isEmpty())
        return QString();
    return QStringLiteral("%1 %2").arg(field("ProvinceName"), field("CityName"));
}
