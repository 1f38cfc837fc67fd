#include "screens/trade/BuyersDidPay.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/OrderDetail.h"
#include "screens/trade/UploadEvidence.h"

BuyersDidPay::BuyersDidPay(QObject *parent)
    : BuyersDidPay(QStringLiteral("buy"), QStringLiteral("卖家已确认的订单"), parent)
{
}

BuyersDidPay::BuyersDidPay(const QString &role, const QString &title, QObject *parent)
    : OrderList(parent), m_role(role), m_title(title)
{
}

void BuyersDidPay::viewDidLoad()
{
    OrderList::viewDidLoad();
    setTitle(m_title);
}

void BuyersDidPay::fetch(Request *request, int page)
{
    request->orderListWithRole(m_role, 2, page, this);
}

QVariantMap BuyersDidPay::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("tradeTime"));
    row.insert(QStringLiteral("price"), QString());
    row.insert(QStringLiteral("hasCard"), true);
    // An uploaded voucher cannot be sent again from the list; any other state leaves the button on.
    const bool uploaded = Value::text(order.value(QStringLiteral("pzStatus"))) == QStringLiteral("已上传");
    row.insert(QStringLiteral("actionTitle"), uploaded ? QStringLiteral("已上传") : QStringLiteral("上传凭证"));
    row.insert(QStringLiteral("actionEnabled"), !uploaded);
    return row;
}

void BuyersDidPay::didSelectRow(int row)
{
    if (row < 0 || row >= dataArray()->count())
        return;
    auto *detail = new OrderDetail;
    detail->setOrderIdStr(Value::text(serviceRow(row).value(QStringLiteral("id"))));
    pushViewController(detail);
}

void BuyersDidPay::actionAtRow(int row)
{
    if (row < 0 || row >= dataArray()->count() || !dataArray()->get(row).value(QStringLiteral("actionEnabled")).toBool())
        return;
    auto *upload = new UploadEvidence;
    upload->setOrderId(Value::text(serviceRow(row).value(QStringLiteral("orderId"))));
    pushViewController(upload);
}
