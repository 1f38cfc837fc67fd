#pragma once

// The screens of src/screens/resources, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/resources/MyBusiness.h"

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
