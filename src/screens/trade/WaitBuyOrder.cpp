#include "screens/trade/WaitBuyOrder.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/WaitBuyDetail.h"

WaitBuyOrder::WaitBuyOrder(QObject *parent) : OrderList(parent) {}

void WaitBuyOrder::fetch(Request *request, int page)
{
    request->directResourceListWithDelegate(this, page);
}

QVariantMap WaitBuyOrder::shownRow(const QVariantMap &offer) const
{
    QVariantMap row = baseRow(offer, QStringLiteral("addTime"));
    row.insert(QStringLiteral("id"), Value::text(offer.value(QStringLiteral("resourceId"))));
    row.insert(QStringLiteral("actionTitle"), QStringLiteral("认购"));
    return row;
}

void WaitBuyOrder::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    auto *detail = new WaitBuyDetail;
    detail->setOrderID(Value::text(serviceRow(row).value(QStringLiteral("resourceId"))));
    pushViewController(detail);
}
