#pragma once

#include <QtGlobal>

/// Message types of the session channel, for the client, the local market service and the test
/// peers alike. A number may mean one thing from the client and another from the server; both
/// names are given where it does.
namespace FrameType {
enum : qint32 {
    Login = 0,             ///< from the client: log in
    LoginInfo = 0,         ///< from the server: login information
    LoginAccepted = 1,
    LoginRefused = 2,
    Logout = 3,            ///< from the client
    ForcedLogout = 3,      ///< from the server: the account logged in on another device
    Chat = 4,
    FriendRequest = 5,
    FriendAnswer = 6,      ///< from the client: accepts a request; from the server: answers one
    FriendConfirmed = 7,
    QrCode = 32,
    QrReply = 36,
    Push = 50,             ///< a push notice (PushNotice.h), outside 0..39 where the client's table is
};
} // namespace FrameType
