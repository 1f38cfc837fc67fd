#include "screens/market/MoreBuy.h"

#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/market/DealTicker.h"

MoreBuy::MoreBuy(QObject *parent)
    : SuperTableViewController(parent),
      m_mainlist(new PagedListModel({QStringLiteral("tradeTime"), QStringLiteral("detail")}, this))
{
    // The latest deals: one window of the newest, never paged.
    m_mainlist->setPageSize(kPageSize);
    m_mainlist->setUnpaged();
    m_mainlist->setFetch([this](Request *request, int, int size) { request->getNewOrder(size, this); });
    m_mainlist->setRowMapping([](const QVariantMap &deal) {
        return QVariantMap{{QStringLiteral("tradeTime"), Value::text(deal.value(QStringLiteral("tradeTime")))},
                           {QStringLiteral("detail"), DealTicker::dealLine(deal).text}};
    });
}

void MoreBuy::viewDidLoad()
{
    SuperTableViewController::viewDidLoad();
    setTitle(QStringLiteral("最新成交"));
    refresh();
}

void MoreBuy::refresh()
{
    m_mainlist->refresh();
}
