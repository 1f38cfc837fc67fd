#pragma once

#include "app/PagedListModel.h"
#include "app/SuperController.h"
#include "screens/market/MarketFilter.h"

/// The auctions: the lots put up for auction, filtered like the supermarket and paged; a row
/// opens the lot's detail.
class Auction : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(MarketFilter *filter READ filter CONSTANT)
    Q_PROPERTY(PagedListModel *mainlist READ mainlist CONSTANT)
    Q_PROPERTY(QString mainLabel READ mainLabel NOTIFY mainLabelChanged)
public:
    explicit Auction(QObject *parent = nullptr);

    MarketFilter *filter() const { return m_filter; }
    PagedListModel *mainlist() const { return m_mainlist; }
    /// How many lots the list holds now (not the service's total).
    QString mainLabel() const;

    Q_INVOKABLE void didSelectRow(int row);

    static constexpr int kRowHeight = 40;
    static constexpr int kHeaderHeight = 105;

signals:
    void mainLabelChanged();

protected:
    void viewDidLoad() override;

private:
    MarketFilter *m_filter;
    PagedListModel *m_mainlist;
};
