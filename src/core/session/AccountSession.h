#pragma once

#include <QVariant>

class QObject;

/// The account's session outside the login screen: the automatic login the home page makes
/// with the remembered credentials, and the logout the account screen confirms.
class AccountSession
{
public:
    /// Logs in with the remembered mobile number and password, without showing anything, when
    /// the number has 11 characters and the password is not empty. Returns whether it did.
    static bool autoLogin();

    /// The home page's answer to "LoginSuccessInfo" while it is visible: a refusal shows its
    /// "Message" and clears the record (the remembered credentials no longer work); any other
    /// reply is applied to the record.
    static void autoLoginReply(const QVariant &reply);
    /// Makes observer handle "LoginSuccessInfo" with autoLoginReply until it stops observing
    /// (NotificationCenter::removeObserver) or is destroyed.
    static void observeAutoLogin(QObject *observer);

    /// Logs out: the logout frame, the record cleared, the farewell alert, the chat model
    /// emptied, then "shoudaoliaotian4", "UserLogoutSystem" and "qingkong" so that every
    /// screen returns to its root.
    static void logout();
};
