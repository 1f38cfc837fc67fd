#include "screens/trade/SellerDidPay.h"

SellerDidPay::SellerDidPay(QObject *parent)
    : BuyersDidPay(QStringLiteral("sell"), QStringLiteral("我已确认的订单"), parent)
{
}
