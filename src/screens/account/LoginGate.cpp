#include "screens/account/LoginGate.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/UserInfo.h"
#include "screens/account/UserLogin.h"

LoginGate::LoginGate(ViewController *screen) : QObject(screen), m_screen(screen) {}

LoginGate *LoginGate::of(ViewController *screen)
{
    auto *gate = screen->findChild<LoginGate *>(QString(), Qt::FindDirectChildrenOnly);
    return gate ? gate : new LoginGate(screen);
}

bool LoginGate::online() const
{
    return m_screen->context().service<UserInfo>()->isOnline();
}

bool LoginGate::requireLogin(ViewController *screen, Mode mode)
{
    LoginGate *gate = of(screen);
    if (gate->online())
        return true;
    if (!screen->navigationController())
        return false;
    auto *login = new UserLogin;
    login->setDelegate(gate);
    if (mode == Prompt)
        login->setComfromOtherController(true);
    else
        login->setHiddenBackButton(true);
    screen->pushViewController(login);
    return false;
}

void LoginGate::guard(ViewController *screen, std::function<void()> loggedIn)
{
    LoginGate *gate = of(screen);
    gate->m_loggedIn = std::move(loggedIn);
    if (gate->m_guarding)
        return;
    gate->m_guarding = true;
    connect(screen, &ViewController::appeared, gate, &LoginGate::cover);
    screen->context().notificationCenter()->addObserver(gate, NotificationNames::UserLogoutSystem,
                                                        [gate](const Notification &) { gate->loggedOut(); });
    if (screen->isAppeared())
        gate->cover();
}

void LoginGate::cover()
{
    NavigationStack *stack = m_screen->navigationController();
    // One login screen is enough however often the screen appears.
    if (online() || !stack || qobject_cast<UserLogin *>(stack->topViewController()))
        return;
    requireLogin(m_screen, NoBack);
}

void LoginGate::loggedOut()
{
    NavigationStack *stack = m_screen->navigationController();
    if (!stack)
        return;   // already left its stack
    const ViewController *outer = m_screen;
    while (outer->parentViewController())
        outer = outer->parentViewController();
    stack->popToIndex(stack->indexOf(outer));
    cover();
}

void LoginGate::loginDidFinish(UserLogin *login)
{
    close(login);
    if (m_loggedIn)
        m_loggedIn();
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
