#pragma once

#include "screens/trade/OrderSheet.h"

/// One order the seller has not confirmed yet, read-only.
class BuyersUNPayDetail : public OrderSheet
{
    Q_OBJECT
public:
    explicit BuyersUNPayDetail(QObject *parent = nullptr);

    QString orderId() const { return m_orderId; }
    void setOrderId(const QString &orderId) { m_orderId = orderId; }

protected:
    void viewDidLoad() override;

private:
    QString m_orderId;
};
