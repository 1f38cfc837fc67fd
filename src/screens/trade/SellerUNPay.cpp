#include "screens/trade/SellerUNPay.h"

SellerUNPay::SellerUNPay(QObject *parent) : BuyersUNPay(QStringLiteral("sell"), QStringLiteral("未确认的订单"), parent) {}
