#include "screens/trade/BuyersDealTabBar.h"

#include "screens/trade/BuyerGiveup.h"
#include "screens/trade/BuyersDealing.h"

BuyersDealTabBar::BuyersDealTabBar(const QString &role, QObject *parent) : BusinessTabBar(parent), m_role(role)
{
    addTitleButton(0, QStringLiteral("交易中"))->setSelected(true);
    addTitleButton(1, QStringLiteral("已放弃"));
    setViewControllers({new BuyersDealing(role), new BuyerGiveup});
}
