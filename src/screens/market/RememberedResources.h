#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

/// The resources a user opened in the supermarket, kept on the phone in the table
/// "chaoshi<userId>", one row per resource ("resourceId" as text) with the time it was last
/// opened ("date", whole seconds since 1970). A row leaves only when an order for it succeeds.
class RememberedResources
{
public:
    static QString tableName(const QString &userId) { return QStringLiteral("chaoshi") + userId; }

    /// Stores the list row's resource with the current time, replacing an earlier row for it.
    static bool remember(const QString &userId, const QVariantMap &row);
    /// Every remembered row, the most recently opened first.
    static QVariantList all(const QString &userId);
    /// Forgets a resource (after an order for it).
    static bool forget(const QString &userId, const QString &resourceId);

    /// The list row's members that are kept (the table's columns, besides "date").
    static const QStringList &keptKeys();
};
