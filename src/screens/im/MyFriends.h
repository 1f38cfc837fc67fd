#pragma once

#include "app/BusinessTabBar.h"
#include "screens/account/UserLoginDelegate.h"

/// Root of the friends tab, which carries the unread badge: three pages (recent conversations,
/// all friends, pending requests) under a switcher in the navigation bar, and a button that
/// adds a friend. The tab needs a logged-in user; without one it shows the login screen.
class MyFriends : public BusinessTabBar, public UserLoginDelegate
{
    Q_OBJECT
public:
    explicit MyFriends(QObject *parent = nullptr);

    /// The right navigation button ("AddFriendBtn").
    Q_INVOKABLE void addFriendsBtnPressed();
    void loginDidFinish(UserLogin *login) override;

    static constexpr int kStartPage = 1;

protected:
    void viewDidLoad() override;
    /// Before the tab appears: the login screen when nobody is logged in.
    void viewWillAppear() override;

private:
    void logoutNotification();
    void pushLogin();
};
