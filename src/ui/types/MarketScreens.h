#pragma once

// The screens of src/screens/market, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/market/HomePage.h"

#include <QtQml/qqml.h>

struct ForeignHomePage
{
    Q_GADGET QML_FOREIGN(HomePage) QML_NAMED_ELEMENT(HomePage) QML_UNCREATABLE("made by its stack")
};
