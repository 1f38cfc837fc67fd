#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "screens/market/MarketFilter.h"

class Request;

/// A market list filtered by category, kind, province and specification and paged: the
/// supermarket, the auctions and the tenders. A filter change starts again at page 1; an empty
/// later page steps back, so the next "加载更多" asks for the same page again; the count line
/// says how many rows there are. A base only, never shown by itself: each list has its own page
/// (its rows differ) built on the shared MarketListFrame.
class FilteredMarketList : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(MarketFilter *filter READ filter CONSTANT)
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    Q_PROPERTY(QString mainLabel READ mainLabel NOTIFY mainLabelChanged)
public:
    /// One of the catalogue's filtered list calls.
    using ListCall = void (Request::*)(const QVariant &classId, const QVariant &subClassId, const QVariant &provinceId,
                                       const QVariant &spec, int pageIdx, int pageSize, RequestDelegate *delegate);
    /// What the count line counts: the rows shown, or the total the service reports.
    enum class Counts { Rows, ServiceTotal };

    MarketFilter *filter() const { return m_filter; }
    PagedListModel *mainlist() const { return m_mainlist; }
    QString mainLabel() const;

signals:
    void mainLabelChanged();

protected:
    FilteredMarketList(const QStringList &roles, ListCall call, Counts counts, QObject *parent = nullptr);
    void viewDidLoad() override;
    /// The row at `row`, or nothing when the index is out of the list.
    std::optional<QVariantMap> rowAt(int row) const;

private:
    MarketFilter *m_filter;
    PagedListModel *m_mainlist;
    Counts m_counts;
    QString m_total;
};
