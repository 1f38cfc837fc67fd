#pragma once

#include "screens/trade/OrderList.h"

/// The resources sellers have directed to this user; a row, or its button, opens the offer.
class WaitBuyOrder : public OrderList
{
    Q_OBJECT
public:
    explicit WaitBuyOrder(QObject *parent = nullptr);

    void didSelectRow(int row) override;

protected:
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;
};
