#pragma once

#include "RouteEnv.h"
#include "ServiceCall.h"
#include "ServiceResult.h"

#include <QVariantList>

/// Small pieces every route-handler class shares: paging, number and time
/// texts, and the wire form of resource and order rows.
class RouteHelpers
{
public:
    struct Page
    {
        int limit = 10;
        int offset = 0;
    };
    /// Page from 1-based index and size keys; a missing or silly index is 1, sizes are capped.
    static Page page(const ServiceCall &call, const char *indexKey = "pageIndex",
                     const char *sizeKey = "pageSize", int maxSize = 100);

    /// The refusal of a call made with another user's key (or none).
    static ServiceResult notYourCall();

    /// Ids in a text such as "resourceids": separated by commas (also "|" or spaces). A part
    /// that is not a whole positive number marks the key bad, so the call is refused.
    static QList<qint64> ids(const ServiceCall &call, const char *key);

    /// Numbers as the market writes them: "3450", "12.5".
    static QString number(const QVariant &value);
    /// Times as "yyyy-MM-dd HH:mm" in local time; empty for none.
    static QString time(const QVariant &secondsSinceEpoch);
    static qint64 now();

    /// A row of resource_view in the keys every resource screen reads.
    static QVariantMap resource(const QVariantMap &row, bool sellerOnline);
    /// The row `rowQuery` gives for each "id" that `idQuery` selects, in that order. A page's ids
    /// come from an index first, so only those few rows are joined with their names.
    static QList<QVariantMap> pageRows(const RouteEnv &env, const QString &idQuery, const QVariantList &params,
                                       const QString &rowQuery);
    /// The resources whose ids `idQuery` selects, in its order and in the wire form.
    static QVariantList resourcePage(const RouteEnv &env, const QString &idQuery, const QVariantList &params);
    /// A row of order_view for the given side ("buy" or "sell").
    static QVariantMap order(const QVariantMap &row, qint64 viewerId);

    static QVariantList list(const QList<QVariantMap> &rows);
};
