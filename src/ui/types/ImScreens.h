#pragma once

// The screens of src/screens/im, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/im/AddFriends.h"
#include "screens/im/AddFriendsWithContacts.h"
#include "screens/im/AddFriendsWithPhone.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/im/ChatTableViewController.h"
#include "screens/im/FriendListScreen.h"
#include "screens/im/FriendsDetail.h"
#include "screens/im/FriendsInfo.h"
#include "screens/im/InviteFriend.h"
#include "screens/im/MyFriends.h"
#include "screens/im/RecentContactViewController.h"
#include "screens/im/StayWithFriendsViewController.h"
#include "screens/im/SteelChatViewController.h"
#include "screens/im/ChatMessageList.h"
#include "screens/im/ContactRowsModel.h"

#include <QtQml/qqml.h>

struct ForeignAddFriends
{
    Q_GADGET QML_FOREIGN(AddFriends) QML_NAMED_ELEMENT(AddFriends) QML_UNCREATABLE("made by its stack")
};

struct ForeignAddFriendsWithContacts
{
    Q_GADGET QML_FOREIGN(AddFriendsWithContacts) QML_NAMED_ELEMENT(AddFriendsWithContacts) QML_UNCREATABLE("made by its stack")
};

struct ForeignAddFriendsWithPhone
{
    Q_GADGET QML_FOREIGN(AddFriendsWithPhone) QML_NAMED_ELEMENT(AddFriendsWithPhone) QML_UNCREATABLE("made by its stack")
};

struct ForeignAllMyfriendsViewController
{
    Q_GADGET QML_FOREIGN(AllMyfriendsViewController) QML_NAMED_ELEMENT(AllMyfriendsViewController) QML_UNCREATABLE("made by its stack")
};

struct ForeignChatTableViewController
{
    Q_GADGET QML_FOREIGN(ChatTableViewController) QML_NAMED_ELEMENT(ChatTableViewController) QML_UNCREATABLE("made by its stack")
};

struct ForeignFriendListScreen
{
    Q_GADGET QML_FOREIGN(FriendListScreen) QML_NAMED_ELEMENT(FriendListScreen) QML_UNCREATABLE("made by its stack")
};

struct ForeignFriendsDetail
{
    Q_GADGET QML_FOREIGN(FriendsDetail) QML_NAMED_ELEMENT(FriendsDetail) QML_UNCREATABLE("made by its stack")
};

struct ForeignFriendsInfo
{
    Q_GADGET QML_FOREIGN(FriendsInfo) QML_NAMED_ELEMENT(FriendsInfo) QML_UNCREATABLE("made by its stack")
};

struct ForeignInviteFriend
{
    Q_GADGET QML_FOREIGN(InviteFriend) QML_NAMED_ELEMENT(InviteFriend) QML_UNCREATABLE("made by its stack")
};

struct ForeignMyFriends
{
    Q_GADGET QML_FOREIGN(MyFriends) QML_NAMED_ELEMENT(MyFriends) QML_UNCREATABLE("made by its stack")
};

struct ForeignRecentContactViewController
{
    Q_GADGET QML_FOREIGN(RecentContactViewController) QML_NAMED_ELEMENT(RecentContactViewController) QML_UNCREATABLE("made by its stack")
};

struct ForeignStayWithFriendsViewController
{
    Q_GADGET QML_FOREIGN(StayWithFriendsViewController) QML_NAMED_ELEMENT(StayWithFriendsViewController) QML_UNCREATABLE("made by its stack")
};

struct ForeignSteelChatViewController
{
    Q_GADGET QML_FOREIGN(SteelChatViewController) QML_NAMED_ELEMENT(SteelChatViewController) QML_UNCREATABLE("made by its stack")
};

struct ForeignChatMessageList
{
    Q_GADGET QML_FOREIGN(ChatMessageList) QML_NAMED_ELEMENT(ChatMessageList) QML_UNCREATABLE("made by its screen")
};

struct ForeignContactRowsModel
{
    Q_GADGET QML_FOREIGN(ContactRowsModel) QML_NAMED_ELEMENT(ContactRowsModel) QML_UNCREATABLE("made by its screen")
};
