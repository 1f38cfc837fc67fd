#pragma once

#include "app/SuperController.h"

/// Root of the friends-and-messages tab, which carries the unread badge.
/// Until its own screen arrives it shows only its title.
class MyFriends : public SuperController
{
    Q_OBJECT
public:
    explicit MyFriends(QObject *parent = nullptr);

protected:
    void viewDidLoad() override;
};
