#include "screens/trade/Bidding.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/HomeBiddingDetail.h"

namespace {
const QStringList kRoles{QStringLiteral("id"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                         QStringLiteral("weight"), QStringLiteral("cangku")};
} // namespace

Bidding::Bidding(QObject *parent)
    : FilteredMarketList(kRoles, &Request::getBiddingList, Counts::Rows, parent), m_bidForm(new BidForm(this))
{
    mainlist()->setRowMapping([](const QVariantMap &tender) {
        QVariantMap shown;
        for (const QString &key : kRoles)
            shown.insert(key, Value::text(tender.value(key)));
        return shown;
    });
}

void Bidding::viewDidLoad()
{
    FilteredMarketList::viewDidLoad();
    setTitle(QStringLiteral("招标"));
}

void Bidding::didSelectRow(int row)
{
    if (const auto tender = rowAt(row)) {
        auto *detail = new HomeBiddingDetail;
        detail->setBiddingId(Value::text(tender->value(QStringLiteral("id"))));
        pushViewController(detail);
    }
}

void Bidding::cellDidSelected(int row)
{
    if (const auto tender = rowAt(row))
        m_bidForm->open(Value::text(tender->value(QStringLiteral("id"))));
}

void Bidding::popViewController()
{
    if (m_bidForm->shown())
        m_bidForm->close();
    else
        FilteredMarketList::popViewController();
}
