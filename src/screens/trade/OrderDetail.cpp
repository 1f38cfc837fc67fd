#include "screens/trade/OrderDetail.h"

#include "core/api/Request.h"
#include "screens/trade/UploadEvidence.h"

OrderDetail::OrderDetail(QObject *parent) : OrderSheet(parent)
{
    connect(addButton(QStringLiteral("上传凭证")), &ButtonModel::clicked, this, &OrderDetail::upload);
}

void OrderDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("已确认的订单详情"));
    loadDetail(&Request::orderDetailWithId, m_orderIdStr, tradedLines,
               [this](const QVariantMap &data) {
                   m_orderDetailId = shown(data, "orderId");
                   // The latest voucher uploaded for the order, by either side.
                   setPicture(QUrl(shown(data, "pzUrl")));
               });
}

void OrderDetail::upload()
{
    if (m_orderDetailId.isEmpty())
        return;
    auto *evidence = new UploadEvidence;
    evidence->setOrderId(m_orderDetailId);
    pushViewController(evidence);
}
