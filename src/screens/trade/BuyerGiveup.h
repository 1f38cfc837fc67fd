#pragma once

#include "screens/trade/OrderList.h"

/// The buyer's given-up orders, read-only: the second page of the in-trade tab bar.
class BuyerGiveup : public OrderList
{
    Q_OBJECT
public:
    explicit BuyerGiveup(QObject *parent = nullptr);

protected:
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;
};
