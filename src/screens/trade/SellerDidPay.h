#pragma once

#include "screens/trade/BuyersDidPay.h"

/// The orders the seller has confirmed: the completed list of the seller's side.
class SellerDidPay : public BuyersDidPay
{
    Q_OBJECT
public:
    explicit SellerDidPay(QObject *parent = nullptr);
};
