#include "screens/trade/BuyersDealingDetail.h"

#include "app/FerroxAlert.h"
#include "core/api/Request.h"
#include "screens/trade/BuyersDealing.h"

BuyersDealingDetail::BuyersDealingDetail(QObject *parent) : OrderSheet(parent)
{
    addChoice(0, QStringLiteral("交易成功"));
    addChoice(1, QStringLiteral("交易失败"));
    connect(addButton(QStringLiteral("提交")), &ButtonModel::clicked, this, &BuyersDealingDetail::sureButtonPressed);
}

void BuyersDealingDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("交易中的订单详情"));
    loadDetail(&Request::orderDetailWithId, m_orderIdStr, tradedLines, [this](const QVariantMap &data) {
        m_orderDetailId = shown(data, "orderId");
        m_status = shown(data, "status");
        const QString waiting = BuyersDealing::waitingText(m_role, m_status);
        if (!waiting.isEmpty()) {
            sureBtn()->setEnabled(false);
            sureBtn()->setTitle(waiting);
            setSureImage(m_status == QLatin1String("9") ? QStringLiteral("mit333") : QStringLiteral("mit222"));
        }
    });
}

void BuyersDealingDetail::setSureImage(const QString &image)
{
    if (m_sureImage == image)
        return;
    m_sureImage = image;
    emit sureImageChanged();
}

void BuyersDealingDetail::sureButtonPressed()
{
    if (!sureBtn()->isEnabled())
        return;
    const QString issuccess = rightBtn()->isSelected() ? QStringLiteral("0") : QStringLiteral("1");
    // One answer per tap: the button stays off while the answer is on its way, and after it.
    sureBtn()->setEnabled(false);
    Request::request()
        ->onReply(this, [this](const ServiceReply &reply) {
            if (!reply.alertUnlessOk()) {
                sureBtn()->setEnabled(true);
                return;
            }
            auto *alert = new FerroxAlert(this);
            alert->setSDelegate(this);
            alert->showInView(this, reply.message);
        })
        ->onFailure(this, [this](const RequestError &) { sureBtn()->setEnabled(true); })
        ->toTradeOrderWithDelegate(this, m_orderIdStr, issuccess, m_role);
}

void BuyersDealingDetail::steelViewWillDisappear(FerroxAlert *)
{
    if (m_delegate)
        m_delegate->resetTableViewData();
    popViewController();
}
