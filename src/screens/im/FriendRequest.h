#pragma once

#include <QString>

class ViewController;

/// Sending a friend request to a mobile number, as both ways of adding a friend do it.
namespace FriendRequest {

/// "不能添加自己为好友" when phone is the user's own number (nothing is sent); otherwise sends
/// the request and returns true.
bool send(ViewController *screen, const QString &phone);

} // namespace FriendRequest
