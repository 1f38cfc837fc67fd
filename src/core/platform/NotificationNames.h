#pragma once

#include <QString>
#include <QStringList>

/// Every notification name the client posts or observes, spelled once. The names are the
/// system's own strings (some in pinyin), so the constants keep them as they are. A unit test
/// reads the sources: every name posted is observed in the client or listed in
/// forOutsideListeners, and every name observed is posted.
namespace NotificationNames {
// Session channel: login answers, a lost connection, a forced logout, chat and friend frames.
inline const QString UserLoginInfo = QStringLiteral("UserLoginInfo");
inline const QString LoginSuccessInfo = QStringLiteral("LoginSuccessInfo");
inline const QString LoginFailedInfo = QStringLiteral("LoginFailedInfo");
inline const QString SocketDismissConnect = QStringLiteral("SocketDismissConnect");
inline const QString InstantMessage = QStringLiteral("InstantMessage");
inline const QString ResponseAddFriendInfo = QStringLiteral("ResponseAddFriendInfo");
inline const QString ReceiveAddFrinedRequest = QStringLiteral("ReceiveAddFrinedRequest");
inline const QString beijiahaoyou = QStringLiteral("beijiahaoyou");
inline const QString bierentongyi = QStringLiteral("bierentongyi");
inline const QString erweima = QStringLiteral("erweima");
// In the userInfo of a login answer: true when it answers the channel's own login with the
// remembered record (already applied), not a login a screen sent.
inline const QString resumedKey = QStringLiteral("resumed");

// Logout, from the account screen or forced by the server; every screen returns to its root.
inline const QString UserLogoutSystem = QStringLiteral("UserLogoutSystem");
inline const QString qingkong = QStringLiteral("qingkong");

// Chat model and chat manager.
inline const QString SocketDidReceiveMessage = QStringLiteral("SocketDidReceiveMessage");
inline const QString shoudaoliaotian4 = QStringLiteral("shoudaoliaotian4");
inline const QString MyBusinessPush = QStringLiteral("MyBusinessPush");
inline const QString RefreshHistoryMSGList = QStringLiteral("RefreshHistoryMSGList");
inline const QString RefreshGetPreFriendList = QStringLiteral("RefreshGetPreFriendList");
inline const QString RefreshAllFrinedsList = QStringLiteral("RefreshAllFrinedsList");

// Shell and screens.
inline const QString setBadgeValue = QStringLiteral("setBadgeValue");
// A tender was published from the unpublished list: the published list reloads.
inline const QString RefreshBiddingDidOnline = QStringLiteral("RefreshBiddingDidOnline");

/// Posted for listeners outside the client's own screens, so observed by nothing in it: the
/// session channel publishes frames no screen acts on, and the chat side announces its changes
/// by name although the client's own screens follow the chat model's signal instead (one path
/// per change, so a list redraws once). A name a screen starts to observe leaves this list.
inline const QStringList forOutsideListeners{
    UserLoginInfo, ResponseAddFriendInfo, erweima,   // frames nothing in the client reads
    shoudaoliaotian4,                                // the recent list follows datamodel instead
    RefreshHistoryMSGList, RefreshGetPreFriendList, RefreshAllFrinedsList,
};
} // namespace NotificationNames
