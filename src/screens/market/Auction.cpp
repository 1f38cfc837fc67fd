#include "screens/market/Auction.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/market/AuctionDetail.h"

Auction::Auction(QObject *parent)
    : FilteredMarketList({QStringLiteral("auctionCode"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                          QStringLiteral("price"), QStringLiteral("beginTime"), QStringLiteral("auctionState")},
                         &Request::getAuctionList, Counts::Rows, parent)
{
    mainlist()->setRowMapping([](const QVariantMap &row) {
        QVariantMap shown;
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            shown.insert(it.key(), Value::text(it.value()));
        return shown;
    });
}

void Auction::viewDidLoad()
{
    FilteredMarketList::viewDidLoad();
    setTitle(QStringLiteral("拍  卖"));
}

void Auction::didSelectRow(int row)
{
    if (const auto lot = rowAt(row)) {
        auto *detail = new AuctionDetail;
        detail->setPmCode(lot->value(QStringLiteral("auctionCode")).toString());
        pushViewController(detail);
    }
}
