#pragma once

// The screens of src/screens/account, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/account/AccountInfoEditText.h"
#include "screens/account/UserLogin.h"
#include "screens/account/MyAccount.h"

#include <QtQml/qqml.h>

struct ForeignUserLogin
{
    Q_GADGET QML_FOREIGN(UserLogin) QML_NAMED_ELEMENT(UserLogin) QML_UNCREATABLE("made by its stack")
};
struct ForeignMyAccount
{
    Q_GADGET QML_FOREIGN(MyAccount) QML_NAMED_ELEMENT(MyAccount) QML_UNCREATABLE("made by its stack")
};
struct ForeignAccountInfoEditText
{
    Q_GADGET QML_FOREIGN(AccountInfoEditText) QML_NAMED_ELEMENT(AccountInfoEditText) QML_UNCREATABLE("made by its stack")
};
