#pragma once

// The screens of src/screens/trade, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/trade/BidForm.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/BuyerGiveup.h"
#include "screens/trade/BuyersDealTabBar.h"
#include "screens/trade/BuyersDealing.h"
#include "screens/trade/BuyersDealingDetail.h"
#include "screens/trade/BuyersDidPay.h"
#include "screens/trade/BuyersUNPay.h"
#include "screens/trade/BuyersUNPayDetail.h"
#include "screens/trade/AddBidding.h"
#include "screens/trade/BiddingDetail.h"
#include "screens/trade/BiddingDidOnline.h"
#include "screens/trade/BiddingTabBar.h"
#include "screens/trade/BiddingUnDidOnline.h"
#include "screens/trade/MyBidding.h"
#include "screens/trade/MyBiddingDetail.h"
#include "screens/trade/MyTenderList.h"
#include "screens/trade/HomeBiddingDetail.h"
#include "screens/trade/OrderDetail.h"
#include "screens/trade/OrderList.h"
#include "screens/trade/OrderSheet.h"
#include "screens/trade/SellerDidPay.h"
#include "screens/trade/SellerUNPay.h"
#include "screens/trade/SellerUNPayDetail.h"
#include "screens/trade/UploadEvidence.h"
#include "screens/trade/WaitBuyDetail.h"
#include "screens/trade/WaitBuyOrder.h"
#include "screens/trade/WaitBuyTabBar.h"

#include <QtQml/qqml.h>

struct ForeignBidding
{
    Q_GADGET QML_FOREIGN(Bidding) QML_NAMED_ELEMENT(Bidding) QML_UNCREATABLE("made by its stack")
};
struct ForeignHomeBiddingDetail
{
    Q_GADGET QML_FOREIGN(HomeBiddingDetail) QML_NAMED_ELEMENT(HomeBiddingDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignBidForm
{
    Q_GADGET QML_FOREIGN(BidForm) QML_NAMED_ELEMENT(BidForm) QML_UNCREATABLE("made by its screen")
};
// Every order list and the directed offers are drawn by OrderList's page, every order detail
// by OrderSheet's.
struct ForeignOrderList
{
    Q_GADGET QML_FOREIGN(OrderList) QML_NAMED_ELEMENT(OrderList) QML_UNCREATABLE("made by its stack")
};
struct ForeignOrderSheet
{
    Q_GADGET QML_FOREIGN(OrderSheet) QML_NAMED_ELEMENT(OrderSheet) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersDealTabBar
{
    Q_GADGET QML_FOREIGN(BuyersDealTabBar) QML_NAMED_ELEMENT(BuyersDealTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignWaitBuyTabBar
{
    Q_GADGET QML_FOREIGN(WaitBuyTabBar) QML_NAMED_ELEMENT(WaitBuyTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignUploadEvidence
{
    Q_GADGET QML_FOREIGN(UploadEvidence) QML_NAMED_ELEMENT(UploadEvidence) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersUNPay
{
    Q_GADGET QML_FOREIGN(BuyersUNPay) QML_NAMED_ELEMENT(BuyersUNPay) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersUNPayDetail
{
    Q_GADGET QML_FOREIGN(BuyersUNPayDetail) QML_NAMED_ELEMENT(BuyersUNPayDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersDealing
{
    Q_GADGET QML_FOREIGN(BuyersDealing) QML_NAMED_ELEMENT(BuyersDealing) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersDealingDetail
{
    Q_GADGET QML_FOREIGN(BuyersDealingDetail) QML_NAMED_ELEMENT(BuyersDealingDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyerGiveup
{
    Q_GADGET QML_FOREIGN(BuyerGiveup) QML_NAMED_ELEMENT(BuyerGiveup) QML_UNCREATABLE("made by its stack")
};
struct ForeignBuyersDidPay
{
    Q_GADGET QML_FOREIGN(BuyersDidPay) QML_NAMED_ELEMENT(BuyersDidPay) QML_UNCREATABLE("made by its stack")
};
struct ForeignSellerUNPay
{
    Q_GADGET QML_FOREIGN(SellerUNPay) QML_NAMED_ELEMENT(SellerUNPay) QML_UNCREATABLE("made by its stack")
};
struct ForeignSellerUNPayDetail
{
    Q_GADGET QML_FOREIGN(SellerUNPayDetail) QML_NAMED_ELEMENT(SellerUNPayDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignSellerDidPay
{
    Q_GADGET QML_FOREIGN(SellerDidPay) QML_NAMED_ELEMENT(SellerDidPay) QML_UNCREATABLE("made by its stack")
};
struct ForeignWaitBuyOrder
{
    Q_GADGET QML_FOREIGN(WaitBuyOrder) QML_NAMED_ELEMENT(WaitBuyOrder) QML_UNCREATABLE("made by its stack")
};
struct ForeignWaitBuyDetail
{
    Q_GADGET QML_FOREIGN(WaitBuyDetail) QML_NAMED_ELEMENT(WaitBuyDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignOrderDetail
{
    Q_GADGET QML_FOREIGN(OrderDetail) QML_NAMED_ELEMENT(OrderDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignAddBidding
{
    Q_GADGET QML_FOREIGN(AddBidding) QML_NAMED_ELEMENT(AddBidding) QML_UNCREATABLE("made by its stack")
};
struct ForeignBiddingDetail
{
    Q_GADGET QML_FOREIGN(BiddingDetail) QML_NAMED_ELEMENT(BiddingDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignBiddingDidOnline
{
    Q_GADGET QML_FOREIGN(BiddingDidOnline) QML_NAMED_ELEMENT(BiddingDidOnline) QML_UNCREATABLE("made by its stack")
};
struct ForeignBiddingTabBar
{
    Q_GADGET QML_FOREIGN(BiddingTabBar) QML_NAMED_ELEMENT(BiddingTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignBiddingUnDidOnline
{
    Q_GADGET QML_FOREIGN(BiddingUnDidOnline) QML_NAMED_ELEMENT(BiddingUnDidOnline) QML_UNCREATABLE("made by its stack")
};
struct ForeignMyBidding
{
    Q_GADGET QML_FOREIGN(MyBidding) QML_NAMED_ELEMENT(MyBidding) QML_UNCREATABLE("made by its stack")
};
struct ForeignMyBiddingDetail
{
    Q_GADGET QML_FOREIGN(MyBiddingDetail) QML_NAMED_ELEMENT(MyBiddingDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignMyTenderList
{
    Q_GADGET QML_FOREIGN(MyTenderList) QML_NAMED_ELEMENT(MyTenderList) QML_UNCREATABLE("made by its stack")
};
