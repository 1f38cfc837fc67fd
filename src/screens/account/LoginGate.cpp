#include "screens/account/LoginGate.h"

#include "app/BaseScreen.h"
#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "screens/account/UserLogin.h"

bool LoginGate::requireLogin(BaseScreen *screen, UserLoginDelegate *delegate, Mode mode)
{
    if (screen->context().service<UserInfo>()->isOnline())
        return true;
    auto *login = new UserLogin;
    login->setDelegate(delegate);
    if (mode == Prompt)
        login->setComfromOtherController(true);
    else
        login->setHiddenBackButton(true);
    screen->pushViewController(login);
    return false;
}

void LoginGate::close(UserLogin *login)
{
    NavigationStack *stack = login ? login->navigationController() : nullptr;
    if (!stack)
        return;
    if (stack->rootViewController() == login && stack->presentingStack())
        stack->dismissViewController();
    else
        stack->popToIndex(stack->indexOf(login) - 1);
}
