#include "screens/market/FilteredMarketList.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

FilteredMarketList::FilteredMarketList(const QStringList &roles, ListCall call, Counts counts, QObject *parent)
    : SuperController(parent), m_filter(new MarketFilter(this)), m_mainlist(new PagedListModel(roles, this)),
      m_counts(counts)
{
    // A refusal or a lost reply leaves the page index as it was advanced.
    m_mainlist->setStepBack(false, false, true);
    m_mainlist->setFooterRule(PagedListModel::FooterAlways);
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    m_mainlist->setFetch([this, call](Request *request, int page, int size) {
        (request->*call)(m_filter->classId(), m_filter->subClassId(), m_filter->provinceId(), m_filter->formatString(),
                         page, size, this);
    });
    connect(m_mainlist, &PagedListModel::countChanged, this, &FilteredMarketList::mainLabelChanged);
    connect(m_mainlist, &PagedListModel::pageArrived, this, [this](const ServiceReply &reply) {
        m_total = Value::text(Value::member(reply.result, QStringLiteral("total")));
        emit mainLabelChanged();
    });
    connect(m_filter, &MarketFilter::changed, m_mainlist, &PagedListModel::refresh);
}

void FilteredMarketList::viewDidLoad()
{
    SuperController::viewDidLoad();
    m_mainlist->refresh();
}

QString FilteredMarketList::mainLabel() const
{
    if (m_counts == Counts::ServiceTotal && m_total.isEmpty())
        return {};
    return QStringLiteral("一共为您准备了%1条资源").arg(m_counts == Counts::Rows ? QString::number(m_mainlist->count()) : m_total);
}

std::optional<QVariantMap> FilteredMarketList::rowAt(int row) const
{
    if (row < 0 || row >= m_mainlist->count())
        return std::nullopt;
    return m_mainlist->get(row);
}
