#pragma once

#include <QtGlobal>

class MainTabBarController;
class ViewController;

/// Told after each tab change (optional).
class MainTabBarControllerDelegate
{
public:
    virtual ~MainTabBarControllerDelegate() = default;
    virtual void tabBarControllerDidSelectViewController(MainTabBarController *tabBarController,
                                                         ViewController *viewController)
    {
        Q_UNUSED(tabBarController) Q_UNUSED(viewController)
    }
};
