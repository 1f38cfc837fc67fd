#pragma once

#include <QVariantMap>

class MarketDatabase;

/// The user record as the session login reply carries it ("LoginInfoID", "UserName", ...).
class UserRecord
{
public:
    /// The reply keys of a users row (SELECT * FROM users).
    static QVariantMap fromRow(const QVariantMap &row);
    /// The record of a user id; empty when there is no such user.
    static QVariantMap load(const MarketDatabase &db, qint64 userId);
    /// Money figures are shown with two decimals.
    static QString money(const QVariant &amount);
};
