#pragma once

#include "screens/market/FilteredMarketList.h"

/// The auctions: the lots put up for auction, filtered like the supermarket and paged; a row
/// opens the lot's detail. The count line counts the lots the list holds.
class Auction : public FilteredMarketList
{
    Q_OBJECT
public:
    explicit Auction(QObject *parent = nullptr);

    Q_INVOKABLE void didSelectRow(int row);

    static constexpr int kRowHeight = 40;
    static constexpr int kHeaderHeight = 105;

protected:
    void viewDidLoad() override;
};
