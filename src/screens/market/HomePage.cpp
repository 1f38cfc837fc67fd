#include "screens/market/HomePage.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/AccountSession.h"

HomePage::HomePage(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void HomePage::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("首页"));
    AccountSession::autoLogin();
}

void HomePage::viewWillAppear()
{
    SuperController::viewWillAppear();
    AccountSession::observeAutoLogin(this);
}

void HomePage::viewWillDisappear()
{
    SuperController::viewWillDisappear();
    context().notificationCenter()->removeObserver(this, NotificationNames::LoginSuccessInfo);
}

void HomePage::logout()
{
    if (NavigationStack *stack = navigationController())
        stack->popToRootViewController();
}
