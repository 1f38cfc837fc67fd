#pragma once

#include <QString>
#include <QVariantMap>

class SteelChatViewController;
class ViewController;

/// The three ways a conversation is opened: from a friend, from a recent conversation, and as
/// an enquiry about a supermarket resource. Each presents the conversation modally on its own
/// navigation stack, over the screen that opens it.
namespace ChatOpener {

/// Presents the conversation with peer about resource under "与 %@ 交流中" with name.
SteelChatViewController *open(ViewController *from, const QString &peer, const QString &resource,
                              const QString &name, bool hideRightButton = false);

/// A friend record (its "LoginInfoId"): the conversation about no resource ("0"). The friend is
/// added to the temporary chats first unless already there.
SteelChatViewController *openWithFriend(ViewController *from, const QVariantMap &friendRecord);

/// A row of the recent conversations: its "LoginInfoID" about its "resourceID".
SteelChatViewController *openFromRecent(ViewController *from, const QVariantMap &row);

/// The enquiry about a resource record ("LoginInfoID" of the seller, "ID", "mobile"). The
/// caller checks the login first. The user's own resource gets "不能跟自己洽谈旺旺" and no
/// conversation; an empty record does nothing. Returns the conversation, or null.
SteelChatViewController *openEnquiry(ViewController *from, const QVariantMap &resource);

} // namespace ChatOpener
