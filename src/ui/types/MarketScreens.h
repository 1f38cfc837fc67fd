#pragma once

// The screens of src/screens/market, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/market/AdvertStrip.h"
#include "screens/market/Auction.h"
#include "screens/market/FilteredMarketList.h"
#include "screens/market/AuctionDetail.h"
#include "screens/market/BrandStore.h"
#include "screens/market/ClassSelector.h"
#include "screens/market/FindItem.h"
#include "screens/market/FormatSelector.h"
#include "screens/market/GoBuy.h"
#include "screens/market/HomePage.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/MarketFilter.h"
#include "screens/market/MaterialPicker.h"
#include "screens/market/MoreBuy.h"
#include "screens/market/NumberSelectedVC.h"
#include "screens/market/PickZhongLeiViewController.h"
#include "screens/market/ProductsSelected.h"
#include "screens/market/SubClassSelector.h"
#include "screens/market/SuperMarket.h"
#include "screens/market/TextPicker.h"
#include "screens/market/WaitBuyFromSupermarket.h"
#include "screens/market/WeightSelector.h"
#include "screens/market/paytypeViewController.h"

#include <QtQml/qqml.h>

struct ForeignHomePage
{
    Q_GADGET QML_FOREIGN(HomePage) QML_NAMED_ELEMENT(HomePage) QML_UNCREATABLE("made by its stack")
};
struct ForeignInfoSelector
{
    Q_GADGET QML_FOREIGN(InfoSelector) QML_NAMED_ELEMENT(InfoSelector) QML_UNCREATABLE("made by its stack")
};
struct ForeignClassSelector
{
    Q_GADGET QML_FOREIGN(ClassSelector) QML_NAMED_ELEMENT(ClassSelector) QML_UNCREATABLE("made by its stack")
};
struct ForeignSubClassSelector
{
    Q_GADGET QML_FOREIGN(SubClassSelector) QML_NAMED_ELEMENT(SubClassSelector) QML_UNCREATABLE("made by its stack")
};
struct ForeignFormatSelector
{
    Q_GADGET QML_FOREIGN(FormatSelector) QML_NAMED_ELEMENT(FormatSelector) QML_UNCREATABLE("made by its stack")
};
struct ForeignWeightSelector
{
    Q_GADGET QML_FOREIGN(WeightSelector) QML_NAMED_ELEMENT(WeightSelector) QML_UNCREATABLE("made by its stack")
};
struct ForeignProductsSelected
{
    Q_GADGET QML_FOREIGN(ProductsSelected) QML_NAMED_ELEMENT(ProductsSelected) QML_UNCREATABLE("made by its stack")
};
struct ForeignSuperMarket
{
    Q_GADGET QML_FOREIGN(SuperMarket) QML_NAMED_ELEMENT(SuperMarket) QML_UNCREATABLE("made by its stack")
};
struct ForeignGoBuy
{
    Q_GADGET QML_FOREIGN(GoBuy) QML_NAMED_ELEMENT(GoBuy) QML_UNCREATABLE("made by its stack")
};
struct ForeignWaitBuyFromSupermarket
{
    Q_GADGET QML_FOREIGN(WaitBuyFromSupermarket) QML_NAMED_ELEMENT(WaitBuyFromSupermarket) QML_UNCREATABLE("made by its stack")
};
struct ForeignFilteredMarketList
{
    Q_GADGET QML_FOREIGN(FilteredMarketList) QML_NAMED_ELEMENT(FilteredMarketList) QML_UNCREATABLE("a base of market lists")
};
struct ForeignAuction
{
    Q_GADGET QML_FOREIGN(Auction) QML_NAMED_ELEMENT(Auction) QML_UNCREATABLE("made by its stack")
};
struct ForeignAuctionDetail
{
    Q_GADGET QML_FOREIGN(AuctionDetail) QML_NAMED_ELEMENT(AuctionDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignFindItem
{
    Q_GADGET QML_FOREIGN(FindItem) QML_NAMED_ELEMENT(FindItem) QML_UNCREATABLE("made by its stack")
};
struct ForeignBrandStore
{
    Q_GADGET QML_FOREIGN(BrandStore) QML_NAMED_ELEMENT(BrandStore) QML_UNCREATABLE("made by its stack")
};
struct ForeignMoreBuy
{
    Q_GADGET QML_FOREIGN(MoreBuy) QML_NAMED_ELEMENT(MoreBuy) QML_UNCREATABLE("made by its stack")
};
struct ForeignMarketFilter
{
    Q_GADGET QML_FOREIGN(MarketFilter) QML_NAMED_ELEMENT(MarketFilter) QML_UNCREATABLE("made by its screen")
};
struct ForeignAdvertStrip
{
    Q_GADGET QML_FOREIGN(AdvertStrip) QML_NAMED_ELEMENT(AdvertStrip) QML_UNCREATABLE("made by its screen")
};
struct ForeignTextPicker
{
    Q_GADGET QML_FOREIGN(TextPicker) QML_NAMED_ELEMENT(TextPicker) QML_UNCREATABLE("made by its stack")
};
struct ForeignMaterialPicker
{
    Q_GADGET QML_FOREIGN(MaterialPicker) QML_NAMED_ELEMENT(MaterialPicker) QML_UNCREATABLE("made by its stack")
};
struct ForeignPickZhongLeiViewController
{
    Q_GADGET QML_FOREIGN(PickZhongLeiViewController) QML_NAMED_ELEMENT(PickZhongLeiViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignPaytypeViewController
{
    Q_GADGET QML_FOREIGN(paytypeViewController) QML_NAMED_ELEMENT(PaytypeViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignNumberSelectedVC
{
    Q_GADGET QML_FOREIGN(NumberSelectedVC) QML_NAMED_ELEMENT(NumberSelectedVC) QML_UNCREATABLE("made by its stack")
};
