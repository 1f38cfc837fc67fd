#include "screens/trade/BuyersUNPayDetail.h"

#include "core/api/Request.h"

BuyersUNPayDetail::BuyersUNPayDetail(QObject *parent) : OrderSheet(parent) {}

void BuyersUNPayDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("待确认的订单详情"));
    loadDetail(&Request::orderDetailOfWaitPay, m_orderId, [](const QVariantMap &data) {
        return goodsLines(data) + Lines{
            {"价格：", QStringLiteral("%1 元").arg(shown(data, "price"))},
            {"重量：", QStringLiteral("%1 吨 (%2)").arg(shown(data, "weight"), shown(data, "countType"))},
            {"下单时间：", shown(data, "bookTime")},
            {"地址：", QStringLiteral("%1 %2").arg(shown(data, "cityName"), shown(data, "cangku"))},
        };
    });
}
