#include "screens/market/WaitBuyFromSupermarket.h"

#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"

#include <QDateTime>

WaitBuyFromSupermarket::WaitBuyFromSupermarket(QObject *parent) : SuperController(parent) {}

void WaitBuyFromSupermarket::viewDidLoad()
{
    SuperController::viewDidLoad();
    reload();
}

void WaitBuyFromSupermarket::viewWillAppear()
{
    SuperController::viewWillAppear();
    if (isViewLoaded())
        reload();
}

QString WaitBuyFromSupermarket::dateText(const QVariant &seconds)
{
    return QDateTime::fromSecsSinceEpoch(Value::longLongValue(seconds)).toString(QStringLiteral("yy-MM-dd"));
}

void WaitBuyFromSupermarket::reload()
{
    QVariantList rows;
    for (const QVariant &r : RememberedResources::all(UserInfo::info()->userId())) {
        QVariantMap row = Value::map(r);
        row.insert(QStringLiteral("date"), dateText(row.value(QStringLiteral("date"))));
        rows.append(row);
    }
    m_dataArray = rows;
    emit dataArrayChanged();
}

void WaitBuyFromSupermarket::didSelectRow(int row)
{
    if (row < 0 || row >= m_dataArray.size())
        return;
    auto *buy = new GoBuy;
    buy->setOrderId(Value::text(Value::map(m_dataArray.at(row)).value(QStringLiteral("resourceId"))));
    buy->setOnline(false);
    pushViewController(buy);
}
