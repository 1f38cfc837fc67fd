#include "screens/im/MyFriends.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/UserInfo.h"
#include "screens/account/LoginGate.h"
#include "screens/account/UserLogin.h"
#include "screens/im/AddFriends.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/StayWithFriendsViewController.h"

MyFriends::MyFriends(QObject *parent) : BusinessTabBar(parent) {}

void MyFriends::viewDidLoad()
{
    BusinessTabBar::viewDidLoad();
    // A tab root: there is nothing to go back to.
    setBackButtonShown(false);
    setTitle(QStringLiteral("商友"));
    context().notificationCenter()->addObserver(this, NotificationNames::UserLogoutSystem,
                                                [this](const Notification &) { logoutNotification(); });
    const QStringList titles{QStringLiteral("最近联系"), QStringLiteral("我的商友"), QStringLiteral("待验证")};
    for (int i = 0; i < titles.size(); ++i)
        addTitleButton(i, titles.at(i))->setSelected(i == kStartPage);
    setViewControllers({new RecentContactViewController, new AllMyfriendsViewController, new StayWithFriendsViewController});
    setSelectedIndex(kStartPage);
}

void MyFriends::viewWillAppear()
{
    BusinessTabBar::viewWillAppear();
    if (!context().service<UserInfo>()->isOnline())
        pushLogin();
}

void MyFriends::pushLogin()
{
    NavigationStack *stack = navigationController();
    // One login screen is enough however often the tab appears.
    if (stack && qobject_cast<UserLogin *>(stack->topViewController()))
        return;
    auto *login = new UserLogin;
    login->setDelegate(this);
    login->setHiddenBackButton(true);
    pushViewController(login);
}

void MyFriends::logoutNotification()
{
    pushLogin();
}

void MyFriends::loginDidFinish(UserLogin *login)
{
    LoginGate::close(login);
    // The lists were asked for before anyone was logged in: ask again for this user.
    for (ViewController *page : viewControllers())
        if (auto *list = qobject_cast<FriendListScreen *>(page); list && list->isViewLoaded())
            list->load();
}

void MyFriends::addFriendsBtnPressed()
{
    pushViewController(new AddFriends);
}
