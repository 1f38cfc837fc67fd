#pragma once

class BaseScreen;
class UserLogin;
class UserLoginDelegate;

/// The check every screen makes before an action that needs a logged-in user.
class LoginGate
{
public:
    /// How the login screen is shown: with a prompt line ("您需要登录后才能继续操作") and a back
    /// button, or without a back button (the screen is useless without a login).
    enum Mode { Prompt, NoBack };

    /// True when the user is logged in. Otherwise pushes a login screen on screen's stack with
    /// delegate (usually the screen itself) and returns false; the delegate's loginDidFinish
    /// then closes it with close().
    static bool requireLogin(BaseScreen *screen, UserLoginDelegate *delegate, Mode mode = Prompt);
    /// Closes a login screen: pops it, or dismisses it when it was presented on its own.
    static void close(UserLogin *login);
};
