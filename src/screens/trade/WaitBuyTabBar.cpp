#include "screens/trade/WaitBuyTabBar.h"

#include "screens/market/WaitBuyFromSupermarket.h"
#include "screens/trade/WaitBuyOrder.h"

WaitBuyTabBar::WaitBuyTabBar(QObject *parent) : BusinessTabBar(parent)
{
    addTitleButton(0, QStringLiteral("定向资源"))->setSelected(true);
    addTitleButton(1, QStringLiteral("超市资源"));
    setViewControllers({new WaitBuyOrder, new WaitBuyFromSupermarket});
}
