#include "screens/trade/OrderDetail.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/UploadEvidence.h"

OrderDetail::OrderDetail(QObject *parent) : OrderSheet(parent)
{
    connect(addButton(QStringLiteral("上传凭证")), &ButtonModel::clicked, this, &OrderDetail::upload);
}

void OrderDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("已确认的订单详情"));
    Request::request()
        ->onSuccess(this, [this](const QVariant &reply) {
            const QVariantMap data = Value::map(reply);
            setLines({
                {"成交时间：", shown(data, "tradeTime")},
                {"订单号：", shown(data, "orderId")},
                {"品种：", shown(data, "nsortName")},
                {"规格：", shown(data, "spec")},
                {"材质：", shown(data, "materials")},
                {"产地：", shown(data, "yieldly")},
                {"地址：", shown(data, "address")},
                {"重量：", shown(data, "weight")},
                {"价格：", shown(data, "price")},
            });
            m_orderDetailId = shown(data, "orderId");
        })
        ->orderDetailWithId(m_orderIdStr, this);
}

void OrderDetail::upload()
{
    if (m_orderDetailId.isEmpty())
        return;
    auto *evidence = new UploadEvidence;
    evidence->setOrderId(m_orderDetailId);
    pushViewController(evidence);
}
