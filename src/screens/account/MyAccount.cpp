#include "screens/account/MyAccount.h"

MyAccount::MyAccount(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void MyAccount::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的账户"));
}
