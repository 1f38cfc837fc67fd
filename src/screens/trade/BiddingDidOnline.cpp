#include "screens/trade/BiddingDidOnline.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/util/Value.h"

BiddingDidOnline::BiddingDidOnline(QObject *parent) : MyTenderList(2, parent) {}

void BiddingDidOnline::viewDidLoad()
{
    MyTenderList::viewDidLoad();
    // Until the list goes (the observer leaves with it).
    context().notificationCenter()->addObserver(this, NotificationNames::RefreshBiddingDidOnline,
                                                [this](const Notification &) { reload(); });
}

QVariantMap BiddingDidOnline::rowFor(const QVariantMap &tender) const
{
    const QString status = Value::text(tender.value(QStringLiteral("status")));
    const bool live = status == QLatin1String("2");
    const bool review = status == QLatin1String("3");
    return {{QStringLiteral("stateText"), live ? QStringLiteral("发布中") : review ? QStringLiteral("审核中") : QString()},
            {QStringLiteral("buttonTitle"), QStringLiteral("撤回")},
            {QStringLiteral("buttonShown"), live},
            {QStringLiteral("detailType"), live ? 1 : review ? 2 : 0}};
}

void BiddingDidOnline::sendRowAction(Request *request, const QString &id)
{
    request->setRequestId(100);
    request->zhaobiaoBackWithDelegate(this, id);
}
