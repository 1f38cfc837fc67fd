#include "screens/im/MyFriends.h"

#include "screens/account/LoginGate.h"
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
    const QStringList titles{QStringLiteral("最近联系"), QStringLiteral("我的商友"), QStringLiteral("待验证")};
    for (int i = 0; i < titles.size(); ++i)
        addTitleButton(i, titles.at(i))->setSelected(i == kStartPage);
    setViewControllers({new RecentContactViewController, new AllMyfriendsViewController, new StayWithFriendsViewController});
    setSelectedIndex(kStartPage);
    LoginGate::guard(this, [this] { reloadLists(); });
}

// The lists were asked for before anyone was logged in: ask again for this user.
void MyFriends::reloadLists()
{
    for (ViewController *page : viewControllers())
        if (auto *list = qobject_cast<FriendListScreen *>(page); list && list->isViewLoaded())
            list->load();
}

void MyFriends::addFriendsBtnPressed()
{
    pushViewController(new AddFriends);
}
