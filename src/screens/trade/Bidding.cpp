#include "screens/trade/Bidding.h"

#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/trade/HomeBiddingDetail.h"

namespace {
const QStringList kRoles{QStringLiteral("id"), QStringLiteral("nsortName"), QStringLiteral("spec"),
                         QStringLiteral("weight"), QStringLiteral("cangku")};
} // namespace

Bidding::Bidding(QObject *parent)
    : SuperController(parent), m_filter(new MarketFilter(this)), m_mainlist(new PagedListModel(kRoles, this)),
      m_bidForm(new BidForm(this))
{
    // An empty later page steps back, so the next "加载更多" asks for the same page again.
    m_mainlist->setStepBack(false, false, true);
    m_mainlist->setFooterRule(PagedListModel::FooterAlways);
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    m_mainlist->setFetch([this](Request *request, int page, int size) {
        request->getBiddingList(m_filter->classId(), m_filter->subClassId(), m_filter->provinceId(),
                                m_filter->formatString(), page, size, this);
    });
    m_mainlist->setRowMapping([](const QVariantMap &tender) {
        QVariantMap shown;
        for (const QString &key : kRoles)
            shown.insert(key, Value::text(tender.value(key)));
        return shown;
    });
    connect(m_mainlist, &PagedListModel::countChanged, this, &Bidding::mainLabelChanged);
    connect(m_mainlist, &PagedListModel::pageArrived, this, &Bidding::mainLabelChanged);
    connect(m_filter, &MarketFilter::changed, m_mainlist, &PagedListModel::refresh);
}

void Bidding::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("招标"));
    m_mainlist->refresh();
}

QString Bidding::mainLabel() const
{
    return QStringLiteral("一共为您准备了%1条资源").arg(m_mainlist->count());
}

void Bidding::didSelectRow(int row)
{
    if (row < 0 || row >= m_mainlist->count())
        return;
    auto *detail = new HomeBiddingDetail;
    detail->setBiddingId(Value::text(m_mainlist->get(row).value(QStringLiteral("id"))));
    pushViewController(detail);
}

void Bidding::cellDidSelected(int row)
{
    if (row >= 0 && row < m_mainlist->count())
        m_bidForm->open(Value::text(m_mainlist->get(row).value(QStringLiteral("id"))));
}
