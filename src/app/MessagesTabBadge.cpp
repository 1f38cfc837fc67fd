#include "app/MessagesTabBadge.h"

#include "app/MainTabBarController.h"
#include "app/MyBadgeView.h"

MessagesTabBadge::MessagesTabBadge(MainTabBarController *shell) : m_shell(shell) {}

void MessagesTabBadge::setBadgeValue(const QString &value)
{
    if (!m_shell)
        return;
    if (MyBadgeView *badge = m_shell->badgeViewAt(MainTabBarController::kBadgeButtonIndex))
        badge->setBadgeValue(value);
}
