#include "screens/trade/BiddingUnDidOnline.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"

BiddingUnDidOnline::BiddingUnDidOnline(QObject *parent) : MyTenderList(1, parent) {}

QVariantMap BiddingUnDidOnline::rowFor(const QVariantMap &) const
{
    return {{QStringLiteral("stateText"), QStringLiteral("未发布")},
            {QStringLiteral("buttonTitle"), QStringLiteral("发布")},
            {QStringLiteral("buttonShown"), true},
            {QStringLiteral("detailType"), 0}};
}

void BiddingUnDidOnline::sendRowAction(Request *request, const QString &id)
{
    request->setRequestId(300);
    request->zhaobiaoFabuWithDelegate(this, id);
}

void BiddingUnDidOnline::rowActionDone(const QString &message)
{
    MyTenderList::rowActionDone(message);
    context().notificationCenter()->postNotification(NotificationNames::RefreshBiddingDidOnline);
}
