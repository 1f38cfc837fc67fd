#include "screens/im/AddFriends.h"

#include "screens/im/AddFriendsWithContacts.h"
#include "screens/im/AddFriendsWithPhone.h"
#include "screens/im/InviteFriend.h"

AddFriends::AddFriends(QObject *parent) : SuperController(parent) {}

void AddFriends::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("添加商友"));
}

void AddFriends::toAddFriendsWithPhone()
{
    pushViewController(new AddFriendsWithPhone);
}

void AddFriends::toAddFriendsWithContacts()
{
    pushViewController(new AddFriendsWithContacts);
}

void AddFriends::toInviteFriend()
{
    pushViewController(new InviteFriend);
}
