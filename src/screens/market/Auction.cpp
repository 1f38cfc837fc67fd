#include "screens/market/Auction.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/market/AuctionDetail.h"
#include "screens/market/MarketFilter.h"

Auction::Auction(QObject *parent)
    : SuperController(parent), m_filter(new MarketFilter(this)),
      m_mainlist(new PagedListModel({QStringLiteral("auctionCode"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                                     QStringLiteral("price"), QStringLiteral("beginTime"),
                                     QStringLiteral("auctionState")},
                                    this))
{
    m_mainlist->setStepBack(false, false, true);
    m_mainlist->setFooterRule(PagedListModel::FooterAlways);
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    m_mainlist->setFetch([this](Request *request, int page, int size) {
        request->getAuctionList(m_filter->classId(), m_filter->subClassId(), m_filter->provinceId(),
                                m_filter->formatString(), page, size, this);
    });
    m_mainlist->setRowMapping([](const QVariantMap &row) {
        QVariantMap shown;
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            shown.insert(it.key(), Value::text(it.value()));
        return shown;
    });
    connect(m_mainlist, &PagedListModel::countChanged, this, &Auction::mainLabelChanged);
    connect(m_mainlist, &PagedListModel::pageArrived, this, &Auction::mainLabelChanged);
    connect(m_filter, &MarketFilter::changed, m_mainlist, &PagedListModel::refresh);
}

void Auction::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("拍  卖"));
    m_mainlist->refresh();
}

QString Auction::mainLabel() const
{
    return QStringLiteral("一共为您准备了%1条资源").arg(m_mainlist->count());
}

void Auction::didSelectRow(int row)
{
    if (row < 0 || row >= m_mainlist->count())
        return;
    auto *detail = new AuctionDetail;
    detail->setPmCode(m_mainlist->get(row).value(QStringLiteral("auctionCode")).toString());
    pushViewController(detail);
}
