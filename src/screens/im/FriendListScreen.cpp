#include "screens/im/FriendListScreen.h"

#include "app/Alerts.h"
#include "app/LoadingView.h"
#include "core/api/FormEnvelope.h"
#include "core/api/ServiceToken.h"
#include "core/platform/AppContext.h"
#include "core/platform/ReachabilityPort.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"

FriendListScreen::FriendListScreen(QObject *parent) : SuperTableViewController(parent), m_rows(new ContactRowsModel(this))
{
}

void FriendListScreen::load()
{
    const QString me = context().service<UserInfo>()->userId();
    if (me.isEmpty())
        return;
    FormEnvelope::post(FormEnvelope::serviceUrl(path()), JsonMembers{{QStringLiteral("loginInfoID"), me}},
                       ServiceToken::kService, this, [this](const FormEnvelope::Reply &reply) {
                           hideHud();
                           if (reply.failed) {
                               if (!context().service<ReachabilityPort>()->isReachable(ReachabilityPort::publicHost()))
                                   context().service<Alerts>()->showAlert(QStringLiteral("提示"),
                                                                          QStringLiteral("请检查网络连接状态"),
                                                                          {QStringLiteral("确定")});
                               return;
                           }
                           const QVariant data = Value::map(reply.result).value(QStringLiteral("data"));
                           didLoad(data.typeId() == QMetaType::QVariantList ? data.toList() : QVariantList());
                       });
    if (!m_hud) {
        m_hud = new LoadingView(this);
        m_hud->setText(hudLabel());
        m_hud->setSize(kHudWidth, kHudHeight);
    }
    addSubview(m_hud);
}

void FriendListScreen::hideHud()
{
    if (m_hud) {
        m_hud->removeFromSuperview();
        m_hud->deleteLater();
    }
}
