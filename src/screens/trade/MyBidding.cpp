#include "screens/trade/MyBidding.h"

#include "app/OrderAlertView.h"
#include "core/api/Request.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/trade/MyBiddingDetail.h"

namespace {
const QStringList kBidRoles{QStringLiteral("id"), QStringLiteral("addTime"), QStringLiteral("nsortName"),
                         QStringLiteral("spec"), QStringLiteral("ybPrice")};
}

MyBidding::MyBidding(QObject *parent) : SuperController(parent), m_dataArray(new PagedListModel(kBidRoles, this))
{
    // As the order lists: a refused or failed page is asked for again next time; the footer
    // comes with a full first page.
    m_dataArray->setStepBack(true, true, false);
    m_dataArray->setFooterRule(PagedListModel::FooterWhenFirstPageFull);
    m_dataArray->setFetch([this](Request *request, int page, int) { request->yingbiaoListWithDelegate(this, page); });
    m_dataArray->setRowMapping([](const QVariantMap &bid) {
        QVariantMap row;
        for (const QString &key : kBidRoles)
            row.insert(key, Value::text(bid.value(key)));
        return row;
    });
}

void MyBidding::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我参加的应标"));
    resetTableViewData();
    // The bids are the user's own: asked for again after each login.
    LoginGate::guard(this, [this] { resetTableViewData(); });
}

void MyBidding::resetTableViewData()
{
    m_dataArray->refresh();
}

void MyBidding::didSelectRow(int row)
{
    if (row < 0 || row >= m_dataArray->count())
        return;
    auto *detail = new MyBiddingDetail;
    detail->setYbId(m_dataArray->get(row).value(QStringLiteral("id")).toString());
    pushViewController(detail);
}

void MyBidding::cellDidSelected(int row)
{
    // One card per tap: a second tap while the first is on its way asks nothing more.
    if (m_asking || row < 0 || row >= m_dataArray->count())
        return;
    m_asking = true;
    Request::request(501)
        ->onReply(this,
                  [this](const ServiceReply &reply) {
                      m_asking = false;
                      if (reply.alertUnlessOk())
                          OrderAlertView::show(this, reply.data);
                  })
        ->onFailure(this, [this](const RequestError &) { m_asking = false; })
        ->buyerInfoWithDelegate(this, m_dataArray->get(row).value(QStringLiteral("id")));
}
