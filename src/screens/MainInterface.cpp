#include "screens/MainInterface.h"

#include "app/MainTabBarController.h"
#include "app/TabBarItem.h"
#include "screens/account/MyAccount.h"
#include "screens/im/MyFriends.h"
#include "screens/market/HomePage.h"
#include "screens/resources/MyBusiness.h"

namespace {
ViewController *titled(ViewController *root, const QString &title)
{
    root->tabBarItem()->setTitle(title);
    return root;
}
} // namespace

MainTabBarController *MainInterface::instantiateMainTabBarController(QObject *parent)
{
    auto *shell = new MainTabBarController(parent);
    shell->setViewControllers({
        titled(new HomePage, QStringLiteral("首页")),
        titled(new MyBusiness, QStringLiteral("我的业务")),
        titled(new MyFriends, QStringLiteral("商友")),
        titled(new MyAccount, QStringLiteral("我的账户")),
    });
    return shell;
}
