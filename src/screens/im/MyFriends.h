#pragma once

#include "app/BusinessTabBar.h"

/// Root of the friends tab, which carries the unread badge: three pages (recent conversations,
/// all friends, pending requests) under a switcher in the navigation bar, and a button that
/// adds a friend. The tab needs a logged-in user; without one it shows the login screen.
class MyFriends : public BusinessTabBar
{
    Q_OBJECT
public:
    explicit MyFriends(QObject *parent = nullptr);

    /// The right navigation button ("AddFriendBtn").
    Q_INVOKABLE void addFriendsBtnPressed();

    static constexpr int kStartPage = 1;

protected:
    void viewDidLoad() override;

private:
    void reloadLists();
};
