#pragma once

// The screens of src/screens/account, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/account/AccountInfoEditText.h"
#include "screens/account/UserLogin.h"
#include "screens/account/MyAccount.h"
#include "screens/account/MyMoney.h"
#include "screens/account/Settings.h"
#include "screens/account/AccountInfo.h"
#include "screens/account/SubmitCer.h"
#include "screens/account/Registration.h"
#include "screens/account/ResetPass.h"
#include "screens/account/RegistrationResult.h"
#include "screens/account/ResetPassResult.h"
#include "screens/account/UpdatePass.h"

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
struct ForeignRegistration
{
    Q_GADGET QML_FOREIGN(Registration) QML_NAMED_ELEMENT(Registration) QML_UNCREATABLE("made by its stack")
};
struct ForeignResetPass
{
    Q_GADGET QML_FOREIGN(ResetPass) QML_NAMED_ELEMENT(ResetPass) QML_UNCREATABLE("made by its stack")
};
struct ForeignRegistrationResult
{
    Q_GADGET QML_FOREIGN(RegistrationResult) QML_NAMED_ELEMENT(RegistrationResult) QML_UNCREATABLE("made by its stack")
};
struct ForeignResetPassResult
{
    Q_GADGET QML_FOREIGN(ResetPassResult) QML_NAMED_ELEMENT(ResetPassResult) QML_UNCREATABLE("made by its stack")
};
struct ForeignUpdatePass
{
    Q_GADGET QML_FOREIGN(UpdatePass) QML_NAMED_ELEMENT(UpdatePass) QML_UNCREATABLE("made by its stack")
};
struct ForeignMyMoney
{
    Q_GADGET QML_FOREIGN(MyMoney) QML_NAMED_ELEMENT(MyMoney) QML_UNCREATABLE("made by its stack")
};
struct ForeignSettings
{
    Q_GADGET QML_FOREIGN(Settings) QML_NAMED_ELEMENT(Settings) QML_UNCREATABLE("made by its stack")
};
struct ForeignAccountInfo
{
    Q_GADGET QML_FOREIGN(AccountInfo) QML_NAMED_ELEMENT(AccountInfo) QML_UNCREATABLE("made by its stack")
};
struct ForeignSubmitCer
{
    Q_GADGET QML_FOREIGN(SubmitCer) QML_NAMED_ELEMENT(SubmitCer) QML_UNCREATABLE("made by its stack")
};
