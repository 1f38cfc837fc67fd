#pragma once

#include "screens/account/UserLoginDelegate.h"

#include <QObject>
#include <functional>

class ViewController;

/// The login check of every kind of screen (plain, list or tabbed), and the delegate of the
/// login screens it opens: a login screen closes itself when its login finishes.
///
///     if (!LoginGate::requireLogin(this)) return;        // an action that needs a user
///     LoginGate::guard(this, [this] { reload(); });      // a screen useless without one (viewDidLoad)
///
/// A screen has at most one gate, a child of the screen made on first use.
class LoginGate : public QObject, public UserLoginDelegate
{
    Q_OBJECT
public:
    /// How the login screen is shown: with a prompt line ("您需要登录后才能继续操作") and a back
    /// button, or without a back button (the screen is useless without a login).
    enum Mode { Prompt, NoBack };

    /// True when the user is logged in. Otherwise pushes a login screen on screen's stack and
    /// returns false; the action is not resumed after the login.
    static bool requireLogin(ViewController *screen, Mode mode = Prompt);
    /// Whenever screen comes into view with nobody logged in, a login screen without a back
    /// button covers it; on a logout anywhere the stack returns to screen and it is covered
    /// again. loggedIn runs after each login through that screen.
    static void guard(ViewController *screen, std::function<void()> loggedIn = {});
    /// Closes a login screen: pops it, or dismisses it when it was presented on its own.
    static void close(UserLogin *login);

    void loginDidFinish(UserLogin *login) override;

private:
    explicit LoginGate(ViewController *screen);
    static LoginGate *of(ViewController *screen);
    bool online() const;
    void cover();
    void loggedOut();

    ViewController *m_screen;
    std::function<void()> m_loggedIn;
    bool m_guarding = false;
};
