#include "screens/trade/BuyersUNPay.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/BuyersUNPayDetail.h"

BuyersUNPay::BuyersUNPay(QObject *parent) : OrderList(parent) {}

void BuyersUNPay::viewDidLoad()
{
    OrderList::viewDidLoad();
    setTitle(QStringLiteral("等待卖家确认的订单"));
}

void BuyersUNPay::fetch(Request *request, int page)
{
    request->orderListWithRole(QStringLiteral("buy"), 1, page, this);
}

QVariantMap BuyersUNPay::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("bookTime"));
    row.insert(QStringLiteral("mark"), QStringLiteral("待确认"));
    return row;
}

void BuyersUNPay::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    auto *detail = new BuyersUNPayDetail;
    detail->setOrderId(Value::text(serviceRow(row).value(QStringLiteral("id"))));
    pushViewController(detail);
}
