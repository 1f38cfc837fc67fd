#pragma once

#include "screens/trade/BuyersUNPay.h"

/// Orders placed on the seller's resources and not confirmed yet: the waiting list of the
/// seller's side.
class SellerUNPay : public BuyersUNPay
{
    Q_OBJECT
public:
    explicit SellerUNPay(QObject *parent = nullptr);
};
