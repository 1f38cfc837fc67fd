#pragma once

#include <QObject>

class MainTabBarController;

/// The window's interface resources: the tab shell with its tab roots and their titles, in order
/// 首页, 我的业务, 商友 (index 2, the unread badge), 我的账户.
class MainInterface
{
public:
    /// A new shell, not yet loaded; the caller owns it.
    static MainTabBarController *instantiateMainTabBarController(QObject *parent = nullptr);
};
