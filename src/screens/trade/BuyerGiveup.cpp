#include "screens/trade/BuyerGiveup.h"

#include "core/api/Request.h"

BuyerGiveup::BuyerGiveup(QObject *parent) : OrderList(parent) {}

void BuyerGiveup::fetch(Request *request, int page)
{
    // Given-up orders have a state of their own (3): asking with the confirmed orders' state
    // would list completed trades as given up.
    request->orderListWithRole(QStringLiteral("buy"), 3, page, this);
}

QVariantMap BuyerGiveup::shownRow(const QVariantMap &order) const
{
    QVariantMap row = baseRow(order, QStringLiteral("tradeTime"));
    if (row.value(QStringLiteral("price")).toString().isEmpty())
        row.insert(QStringLiteral("price"), QStringLiteral("0"));
    row.insert(QStringLiteral("mark"), QStringLiteral("已放弃"));
    return row;
}
