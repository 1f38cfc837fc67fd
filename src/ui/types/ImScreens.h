#pragma once

// The screens of src/screens/im, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/im/MyFriends.h"

#include <QtQml/qqml.h>

struct ForeignMyFriends
{
    Q_GADGET QML_FOREIGN(MyFriends) QML_NAMED_ELEMENT(MyFriends) QML_UNCREATABLE("made by its stack")
};
