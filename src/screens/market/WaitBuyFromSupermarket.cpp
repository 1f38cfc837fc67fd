#include "screens/market/WaitBuyFromSupermarket.h"

#include "app/PagedListModel.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"

#include <QDateTime>

WaitBuyFromSupermarket::WaitBuyFromSupermarket(QObject *parent)
    : SuperController(parent),
      m_dataArray(new PagedListModel({QStringLiteral("date"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                                      QStringLiteral("price"), QStringLiteral("resourceId")},
                                     this))
{
    m_dataArray->setRowMapping([](const QVariantMap &remembered) {
        QVariantMap row = remembered;
        row.insert(QStringLiteral("date"), dateText(row.value(QStringLiteral("date"))));
        return row;
    });
}

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
    m_dataArray->setRows(RememberedResources::all(UserInfo::info()->userId()));
}

void WaitBuyFromSupermarket::didSelectRow(int row)
{
    if (row < 0 || row >= m_dataArray->count())
        return;
    auto *buy = new GoBuy;
    buy->setOrderId(Value::text(m_dataArray->get(row).value(QStringLiteral("resourceId"))));
    buy->setOnline(false);
    pushViewController(buy);
}
