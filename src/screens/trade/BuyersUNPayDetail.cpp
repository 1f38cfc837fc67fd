#include "screens/trade/BuyersUNPayDetail.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

BuyersUNPayDetail::BuyersUNPayDetail(QObject *parent) : OrderSheet(parent) {}

void BuyersUNPayDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("待确认的订单详情"));
    Request::request()
        ->onSuccess(this, [this](const QVariant &reply) {
            const QVariantMap data = Value::map(reply);
            setLines({
                {"品种：", shown(data, "nsortName")},
                {"规格：", shown(data, "spec")},
                {"材质：", shown(data, "materials")},
                {"产地：", shown(data, "yieldly")},
                {"价格：", QStringLiteral("%1 元").arg(shown(data, "price"))},
                {"重量：", QStringLiteral("%1 吨 (%2)").arg(shown(data, "weight"), shown(data, "countType"))},
                {"下单时间：", shown(data, "bookTime")},
                {"地址：", QStringLiteral("%1 %2").arg(shown(data, "cityName"), shown(data, "cangku"))},
            });
        })
        ->orderDetailOfWaitPay(m_orderId, this);
}
