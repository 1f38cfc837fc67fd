#include "screens/trade/SellerUNPayDetail.h"

#include "app/AlertStyleValue1.h"
#include "core/api/Request.h"
#include "screens/trade/OrderList.h"

SellerUNPayDetail::SellerUNPayDetail(QObject *parent) : OrderSheet(parent)
{
    connect(addButton(QStringLiteral("确认订单")), &ButtonModel::clicked, this, &SellerUNPayDetail::sure);
    connect(addButton(QStringLiteral("放弃订单")), &ButtonModel::clicked, this, &SellerUNPayDetail::giveup);
}

void SellerUNPayDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("未确认的订单详情"));
    loadDetail(&Request::orderDetailOfWaitPay, m_orderId, [](const QVariantMap &data) {
        return goodsLines(data) + Lines{
            {"地址：", QStringLiteral("%1 %2").arg(shown(data, "provinceName"), shown(data, "cityName"))},
            {"重量：", shown(data, "weight")},
            {"价格：", shown(data, "price")},
            {"下单时间：", shown(data, "bookTime")},
        };
    });
}

// Both answers are off while one is on its way, so a second tap cannot send a second answer;
// a refusal or a failure turns them on again, so the seller can try once more.
void SellerUNPayDetail::setBusy(bool busy)
{
    sureBtn()->setEnabled(!busy);
    giveupBtn()->setEnabled(!busy);
}

void SellerUNPayDetail::sure()
{
    if (!sureBtn()->isEnabled())
        return;
    setBusy(true);
    Request::request()
        ->onReply(this, [this](const ServiceReply &reply) {
            if (!reply.alertUnlessOk())
                return setBusy(false);
            auto *alert = new FerroxAlert(this);
            alert->setSDelegate(this);
            alert->showInView(this, reply.message);
        })
        ->onFailure(this, [this](const RequestError &) { setBusy(false); })
        ->confirmOrderWithDelegate(this, m_orderId, m_resourceId);
}

void SellerUNPayDetail::giveup()
{
    if (!giveupBtn()->isEnabled() || m_bgView)
        return;
    m_bgView = new AlertStyleValue1(this);
    m_bgView->setDelegate(this);
    m_bgView->showInView(this, QStringLiteral("你确认放弃订单吗 ？确认放弃后，订单进入已放弃订单中 !"),
                         QStringLiteral("取消"), QStringLiteral("确认放弃"));
    m_bgView->setTag(kGiveUpTag);
}

void SellerUNPayDetail::clickedButton(ButtonModel *button)
{
    const int tag = m_bgView ? m_bgView->tag() : 0;
    // The overlay takes itself away after either button; cancelling sends nothing.
    if (button->tag() == 1)
        back(tag);
}

void SellerUNPayDetail::back(int overlayTag)
{
    if (overlayTag == kCloseTag)
        return finished();
    if (overlayTag != kGiveUpTag || !giveupBtn()->isEnabled())
        return;
    setBusy(true);
    Request::request()
        ->onReply(this, [this](const ServiceReply &reply) {
            if (!reply.alertUnlessOk())
                return setBusy(false);
            finished();
        })
        ->onFailure(this, [this](const RequestError &) { setBusy(false); })
        ->giveOrderWithDelegate(this, m_orderId, m_resourceId);
}

void SellerUNPayDetail::steelViewWillDisappear(FerroxAlert *)
{
    finished();
}

void SellerUNPayDetail::finished()
{
    if (m_delegate)
        m_delegate->resetTableViewData();
    popViewController();
}
