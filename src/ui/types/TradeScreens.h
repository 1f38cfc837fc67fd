#pragma once

// The screens of src/screens/trade, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/trade/BidForm.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/AddBidding.h"
#include "screens/trade/BiddingDetail.h"
#include "screens/trade/BiddingDidOnline.h"
#include "screens/trade/BiddingTabBar.h"
#include "screens/trade/BiddingUnDidOnline.h"
#include "screens/trade/MyBidding.h"
#include "screens/trade/MyBiddingDetail.h"
#include "screens/trade/MyTenderList.h"
#include "screens/trade/HomeBiddingDetail.h"

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
