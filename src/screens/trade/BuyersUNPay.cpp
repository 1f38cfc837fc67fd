#include "screens/trade/BuyersUNPay.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/BuyersUNPayDetail.h"
#include "screens/trade/SellerUNPayDetail.h"

BuyersUNPay::BuyersUNPay(QObject *parent) : BuyersUNPay(QStringLiteral("buy"), QStringLiteral("等待卖家确认的订单"), parent) {}

BuyersUNPay::BuyersUNPay(const QString &role, const QString &title, QObject *parent)
    : OrderList(parent), m_role(role), m_title(title)
{
}

void BuyersUNPay::viewDidLoad()
{
    OrderList::viewDidLoad();
    setTitle(m_title);
}

void BuyersUNPay::fetch(Request *request, int page)
{
    request->orderListWithRole(m_role, 1, page, this);
}

QVariantMap BuyersUNPay::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("bookTime"));
    // Only the seller answers a waiting order; the buyer just sees that it waits.
    if (isSeller())
        row.insert(QStringLiteral("actionTitle"), QStringLiteral("处理"));
    else
        row.insert(QStringLiteral("mark"), QStringLiteral("待确认"));
    return row;
}

void BuyersUNPay::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    const QVariantMap order = serviceRow(row);
    const QString orderId = Value::text(order.value(QStringLiteral("id")));
    if (!isSeller()) {
        auto *detail = new BuyersUNPayDetail;
        detail->setOrderId(orderId);
        return pushViewController(detail);
    }
    auto *detail = new SellerUNPayDetail;
    detail->setDelegate(this);
    detail->setOrderId(orderId);
    detail->setResourceId(Value::text(order.value(QStringLiteral("resourceId"))));
    pushViewController(detail);
}
