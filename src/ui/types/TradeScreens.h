#pragma once

// The screens of src/screens/trade, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/trade/BidForm.h"
#include "screens/trade/Bidding.h"
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
