#include "app/TabBarButton.h"

TabBarButton::TabBarButton(int tag, const QString &title, QObject *parent)
    : ButtonModel(tag, title, parent), m_badgeView(new MyBadgeView(this))
{
}
