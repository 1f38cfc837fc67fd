#pragma once

#include "core/platform/BadgePort.h"

#include <QPointer>

class MainTabBarController;

/// Puts the unread total on the badge of the tab shell's messages button (index 2). The shell
/// may go before the context does; then the value goes nowhere.
class MessagesTabBadge : public BadgePort
{
public:
    explicit MessagesTabBadge(MainTabBarController *shell);

    void setBadgeValue(const QString &value) override;

private:
    QPointer<MainTabBarController> m_shell;
};
