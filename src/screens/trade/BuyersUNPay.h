#pragma once

#include "screens/trade/OrderList.h"

/// The buyer's orders the seller has not confirmed yet; a row opens its read-only detail.
class BuyersUNPay : public OrderList
{
    Q_OBJECT
public:
    explicit BuyersUNPay(QObject *parent = nullptr);

    void didSelectRow(int row) override;

protected:
    void viewDidLoad() override;
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;
};
