#pragma once

class UserLogin;

/// What the screen that opened the login screen hears from it.
class UserLoginDelegate
{
public:
    virtual ~UserLoginDelegate() = default;
    /// After a successful login, or at once when the login screen appears while already logged
    /// in. The opener usually closes the login screen here (LoginGate::close).
    virtual void loginDidFinish(UserLogin *login) { (void)login; }
};
