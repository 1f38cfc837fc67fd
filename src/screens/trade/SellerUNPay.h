#pragma once

#include "screens/trade/OrderList.h"

/// Orders placed on the seller's resources and not confirmed yet; a row, or its button, opens
/// the detail where the seller confirms the order or gives it up.
class SellerUNPay : public OrderList
{
    Q_OBJECT
public:
    explicit SellerUNPay(QObject *parent = nullptr);

    void didSelectRow(int row) override;

protected:
    void viewDidLoad() override;
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;
};
