#pragma once

// The screens of src/screens/resources, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/resources/MyBusiness.h"
// the seller's resources: the tab bar, its three lists, the detail, the push
#include "screens/resources/MyResureTabBar.h"
#include "screens/resources/ResureDetail.h"
#include "screens/resources/ResureFirst.h"
#include "screens/resources/ResureList.h"
#include "screens/resources/ResureThird.h"
#include "screens/resources/ResureWithPush.h"
#include "screens/resources/RuperSecond.h"

// The resource form and its pickers.
#include "screens/resources/AddResure.h"
#include "screens/resources/PickXuanZeZIYUANViewController.h"
#include "screens/resources/Pickcaizhi2ViewController.h"

#include <QtQml/qqml.h>

struct ForeignMyBusiness
{
    Q_GADGET QML_FOREIGN(MyBusiness) QML_NAMED_ELEMENT(MyBusiness) QML_UNCREATABLE("made by its stack")
};

// The resource form and its pickers.
struct ForeignAddResure
{
    Q_GADGET QML_FOREIGN(AddResure) QML_NAMED_ELEMENT(AddResure) QML_UNCREATABLE("made by its stack")
};
struct ForeignPickXuanZeZIYUANViewController
{
    Q_GADGET QML_FOREIGN(PickXuanZeZIYUANViewController) QML_NAMED_ELEMENT(PickXuanZeZIYUANViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignPickcaizhi2ViewController
{
    Q_GADGET QML_FOREIGN(Pickcaizhi2ViewController) QML_NAMED_ELEMENT(Pickcaizhi2ViewController) QML_UNCREATABLE("made by its stack")
};

// The seller's resources: the three lists share the order lists' page.
struct ForeignMyResureTabBar
{
    Q_GADGET QML_FOREIGN(MyResureTabBar) QML_NAMED_ELEMENT(MyResureTabBar) QML_UNCREATABLE("made by its stack")
};
struct ForeignResureList
{
    Q_GADGET QML_FOREIGN(ResureList) QML_NAMED_ELEMENT(ResureList) QML_UNCREATABLE("made by its stack")
};
struct ForeignResureFirst
{
    Q_GADGET QML_FOREIGN(ResureFirst) QML_NAMED_ELEMENT(ResureFirst) QML_UNCREATABLE("made by its stack")
};
struct ForeignRuperSecond
{
    Q_GADGET QML_FOREIGN(RuperSecond) QML_NAMED_ELEMENT(RuperSecond) QML_UNCREATABLE("made by its stack")
};
struct ForeignResureThird
{
    Q_GADGET QML_FOREIGN(ResureThird) QML_NAMED_ELEMENT(ResureThird) QML_UNCREATABLE("made by its stack")
};
struct ForeignResureDetail
{
    Q_GADGET QML_FOREIGN(ResureDetail) QML_NAMED_ELEMENT(ResureDetail) QML_UNCREATABLE("made by its stack")
};
struct ForeignResureWithPush
{
    Q_GADGET QML_FOREIGN(ResureWithPush) QML_NAMED_ELEMENT(ResureWithPush) QML_UNCREATABLE("made by its stack")
};
