#pragma once

// The screens of src/screens/resources, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/resources/MyBusiness.h"

#include <QtQml/qqml.h>

struct ForeignMyBusiness
{
    Q_GADGET QML_FOREIGN(MyBusiness) QML_NAMED_ELEMENT(MyBusiness) QML_UNCREATABLE("made by its stack")
};
