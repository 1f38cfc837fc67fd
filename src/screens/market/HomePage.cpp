#include "screens/market/HomePage.h"

HomePage::HomePage(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void HomePage::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("首页"));
}
