#include "screens/trade/SellerUNPay.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/SellerUNPayDetail.h"

SellerUNPay::SellerUNPay(QObject *parent) : OrderList(parent) {}

void SellerUNPay::viewDidLoad()
{
    OrderList::viewDidLoad();
    setTitle(QStringLiteral("未确认的订单"));
}

void SellerUNPay::fetch(Request *request, int page)
{
    request->orderListWithRole(QStringLiteral("sell"), 1, page, this);
}

QVariantMap SellerUNPay::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("bookTime"));
    row.insert(QStringLiteral("actionTitle"), QStringLiteral("处理"));
    return row;
}

void SellerUNPay::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    const QVariantMap order = serviceRow(row);
    auto *detail = new SellerUNPayDetail;
    detail->setDelegate(this);
    detail->setOrderId(Value::text(order.value(QStringLiteral("id"))));
    detail->setResourceId(Value::text(order.value(QStringLiteral("resourceId"))));
    pushViewController(detail);
}
