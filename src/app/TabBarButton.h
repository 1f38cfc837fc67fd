#pragma once

#include "app/ButtonModel.h"
#include "app/MyBadgeView.h"

/// One button of the tab shell's row: titled as its tab, tagged with the tab index, with a
/// badge. Black title, red when selected.
class TabBarButton : public ButtonModel
{
    Q_OBJECT
    Q_PROPERTY(MyBadgeView *badgeView READ badgeView CONSTANT)
public:
    TabBarButton(int tag, const QString &title, QObject *parent = nullptr);

    MyBadgeView *badgeView() const { return m_badgeView; }

private:
    MyBadgeView *m_badgeView;
};
