#include "screens/im/FriendListScreen.h"

#include "app/Alerts.h"
#include "app/LoadingView.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/ReachabilityPort.h"
#include "core/util/Value.h"

FriendListScreen::FriendListScreen(QObject *parent)
    : SuperTableViewController(parent),
      m_rows(new PagedListModel({QStringLiteral("title"), QStringLiteral("subtitle"), QStringLiteral("marked")}, this))
{
    m_rows->setUnpaged();
    m_rows->setPullUpRefresh(true);
    m_rows->setFetch([this](Request *r, int, int) {
        r->onFailure(this, [this](const RequestError &) {
            if (!context().service<ReachabilityPort>()->isReachable(ReachabilityPort::publicHost()))
                context().service<Alerts>()->showAlert(QStringLiteral("提示"), QStringLiteral("请检查网络连接状态"),
                                                       {QStringLiteral("确定")});
        });
        fetch(r);
    });
    m_rows->setRowMapping([this](const QVariantMap &record) {
        QVariantMap row = record;
        row.insert(rowFor(record));
        return row;
    });
    connect(m_rows, &PagedListModel::pageArrived, this,
            [this](const ServiceReply &reply) { didLoad(Value::list(reply.data)); });
    connect(m_rows, &PagedListModel::stateChanged, this, [this] { showHud(m_rows->loading()); });
}

void FriendListScreen::load()
{
    m_rows->refresh();
}

void FriendListScreen::showHud(bool shown)
{
    if (shown && !m_hud) {
        m_hud = new LoadingView(this);
        m_hud->setText(hudLabel());
        m_hud->setSize(kHudWidth, kHudHeight);
        addSubview(m_hud);
    } else if (!shown && m_hud) {
        m_hud->removeFromSuperview();
        m_hud->deleteLater();
        m_hud = nullptr;
    }
}
