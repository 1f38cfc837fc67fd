#pragma once

#include "app/SuperController.h"

/// How to add a friend: by typing a mobile number or from the address book.
class AddFriends : public SuperController
{
    Q_OBJECT
public:
    explicit AddFriends(QObject *parent = nullptr);

    Q_INVOKABLE void toAddFriendsWithPhone();
    Q_INVOKABLE void toAddFriendsWithContacts();
    /// The invitation to install the client (reached from here on this platform).
    Q_INVOKABLE void toInviteFriend();

protected:
    void viewDidLoad() override;
};
