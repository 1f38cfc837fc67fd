#include "screens/resources/MyBusiness.h"

MyBusiness::MyBusiness(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void MyBusiness::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的业务"));
}
