#pragma once

#include <QVariant>

class AppContext;

/// The account's session outside the login screen: the login made with the remembered
/// credentials (at start-up and on every new connection of the session channel), and the
/// logout the account screen confirms.
class AccountSession
{
public:
    /// The home page's automatic login: logs in with the remembered mobile number and password,
    /// without showing anything, when the number has 11 characters and the password is not
    /// empty (Socket::resumeLogin). Returns whether it did.
    static bool autoLogin();

    /// The answer to a login made with the remembered credentials, whichever screen is showing:
    /// a refusal ("ErrorCode" present) shows its "Message" and clears the record, since the
    /// credentials no longer work, and sends every screen back to its root if the user was
    /// logged in; any other reply is applied to the record (its new session key included).
    static void rememberedLoginReply(AppContext &ctx, const QVariant &reply);

    /// Logs out: the logout frame, the record cleared (which empties the chat model and the
    /// unread badge, as any logout does), the farewell alert, then "shoudaoliaotian4", "UserLogoutSystem" and "qingkong" so that every
    /// screen returns to its root.
    static void logout();
};
