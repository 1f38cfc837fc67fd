#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class MarketDatabase;
class SessionKeys;

/// What every route-handler class works with: the store, where pictures go, and the way to
/// tell a logged-in user about a business event (a push notice on the session channel).
struct RouteEnv
{
    MarketDatabase &db;
    QString pictureDir;
    std::function<void(qint64 userId, int code)> push;
    /// Whether a user has a live session (the supermarket marks sellers who are online).
    std::function<bool(qint64 userId)> isOnline;
    /// Who a call's session key belongs to.
    const SessionKeys *keys = nullptr;
    /// Believe the user ids in the info blocks without a session key (clients that send none).
    bool trustUserIds = false;
    /// Write verification codes into the log; off, the log only says that one was sent.
    bool printCodes = false;
    /// Signs the article page addresses given to logged-in readers (random for each run).
    QByteArray pageSecret;
};
