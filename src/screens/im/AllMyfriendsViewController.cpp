#include "screens/im/AllMyfriendsViewController.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/SQLITE.h"
#include "core/session/datamodel.h"
#include "core/util/Value.h"
#include "screens/im/ChatOpener.h"
#include "screens/im/ImTables.h"

namespace {
// The friend record's keys, in the order the stored table has them. Every row is written with
// all of them, so a record the service sends with a key more or less cannot fail the table.
const QStringList kFriendKeys{"LoginInfoId", "UserName", "NickName", "MobilePhone", "CompanyName",
                              "ProvinceName", "CityName", "Sorts"};
} // namespace

AllMyfriendsViewController::AllMyfriendsViewController(QObject *parent) : FriendListScreen(parent) {}

void AllMyfriendsViewController::viewDidLoad()
{
    FriendListScreen::viewDidLoad();
    NotificationCenter *center = context().notificationCenter();
    center->addObserver(this, NotificationNames::bierentongyi, [this](const Notification &) { load(); });
    center->addObserver(this, NotificationNames::qingkong, [this](const Notification &) { shujuArr()->clear(); });
    load();
}

void AllMyfriendsViewController::fetch(Request *request)
{
    request->getFriendListWithDelegate(this);
}

QVariantMap AllMyfriendsViewController::rowFor(const QVariantMap &f) const
{
    return {{QStringLiteral("title"), Value::text(f.value(QStringLiteral("UserName")))},
            {QStringLiteral("subtitle"), Value::text(f.value(QStringLiteral("MobilePhone")))},
            {QStringLiteral("marked"), false}};
}

void AllMyfriendsViewController::didLoad(const QVariantList &data)
{
    context().service<datamodel>()->xiequanbuhaoyou(data);
    writeFriendTable(data);
}

void AllMyfriendsViewController::writeFriendTable(const QVariantList &friends)
{
    SQLITE *store = context().service<SQLITE>();
    const QString table = ImTables::friends(context());
    if (table.contains(QLatin1String("null")))
        return;
    // Emptied and refilled as one: a failure leaves the previous list whole.
    store->transaction([&] {
        if (!store->colKeyFromtable(table).isEmpty() && !store->deleteSQLTable(table))
            return false;
        for (const QVariant &v : friends) {
            const QVariantMap f = Value::map(v);
            if (Value::isNone(f.value(QStringLiteral("LoginInfoId"))))
                continue;
            QVariantMap row;
            for (const QString &key : kFriendKeys)
                row.insert(key, Value::isNone(f.value(key)) ? QStringLiteral("") : Value::text(f.value(key)));
            if (!store->setSQLObject(row, table, QStringLiteral("LoginInfoId")))
                return false;
        }
        return true;
    });
}

void AllMyfriendsViewController::didSelectRowAtIndex(int index)
{
    if (index < 0 || index >= shujuArr()->count())
        return;
    ChatOpener::openWithFriend(this, shujuArr()->get(index));
}
