#include "screens/trade/WaitBuyDetail.h"

#include "app/AlertStyleValue1.h"
#include "app/NavigationStack.h"
#include "core/api/Request.h"

WaitBuyDetail::WaitBuyDetail(QObject *parent) : OrderSheet(parent)
{
    connect(addButton(QStringLiteral("认购")), &ButtonModel::clicked, this, &WaitBuyDetail::sure);
}

void WaitBuyDetail::viewDidLoad()
{
    OrderSheet::viewDidLoad();
    setTitle(QStringLiteral("定向资源详情"));
    // Without an offer there is nothing to show or to order.
    if (m_orderID.isEmpty()) {
        sureBtn()->setEnabled(false);
        return;
    }
    loadDetail(&Request::resourceDetailWithId, m_orderID, [](const QVariantMap &data) {
        return goodsLines(data) + Lines{
            {"地址：", QStringLiteral("%1 %2").arg(shown(data, "cityName"), shown(data, "cangku"))},
            {"重量：", shown(data, "weight")},
            {"价格：", shown(data, "price")},
            {"质量指数：", shown(data, "YsIndex")},
        };
    });
}

void WaitBuyDetail::sure()
{
    if (!sureBtn()->isEnabled())
        return;
    // An offer is ordered once: the button stays off unless the service refuses.
    sureBtn()->setEnabled(false);
    Request::request()
        ->onReply(this, [this](const ServiceReply &reply) {
            if (!reply.alertUnlessOk())
                return sureBtn()->setEnabled(true);
            auto *panel = new AlertStyleValue1(this);
            panel->setDelegate(this);
            panel->showInView(this, reply.message, QStringLiteral("留在此页"), QStringLiteral("返回我的业务"));
        })
        ->onFailure(this, [this](const RequestError &) { sureBtn()->setEnabled(true); })
        ->directToOrderWithDelegate(this, m_orderID);
}

void WaitBuyDetail::clickedButton(ButtonModel *button)
{
    if (button->tag() != 0 && navigationController())
        navigationController()->popToRootViewController();
}
