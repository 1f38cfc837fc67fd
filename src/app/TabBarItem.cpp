#include "app/TabBarItem.h"

#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"

void TabBarItem::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}

void TabBarItem::setBadgeValue(const QString &value)
{
    if (m_center)
        m_center->postNotification(NotificationNames::setBadgeValue, value);
}
