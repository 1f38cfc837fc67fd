#include "screens/market/SuperMarket.h"

#include "app/Alerts.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/UrlOpener.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/market/GoBuy.h"
#include "screens/market/RememberedResources.h"

SuperMarket::SuperMarket(QObject *parent)
    : FilteredMarketList({QStringLiteral("nsortName"), QStringLiteral("spec"), QStringLiteral("price"),
                          QStringLiteral("phoneEnabled")},
                         &Request::getSuperMarkList, Counts::ServiceTotal, parent)
{
    mainlist()->setRowMapping([this](const QVariantMap &row) {
        QVariantMap shown = row;
        shown.insert(QStringLiteral("phoneEnabled"), !extensionOf(row).isEmpty());
        return shown;
    });
}

void SuperMarket::viewDidLoad()
{
    FilteredMarketList::viewDidLoad();
    UserDefaults *defaults = UserDefaults::standardUserDefaults();
    m_steelMill = defaults->stringForKey(QStringLiteral("shifougangchang")) == QLatin1String("yes");
    if (m_steelMill) {
        setTitle(defaults->stringForKey(QStringLiteral("gangchangname")));
        filter()->setPlaceHidden(true);
    } else {
        setTitle(QStringLiteral("超市资源"));
    }
}

QString SuperMarket::extensionOf(const QVariantMap &row) const
{
    const QVariant extension = row.value(m_steelMill ? QStringLiteral("Tel") : QStringLiteral("YieldlyTel"));
    return Value::isNone(extension) ? QString() : Value::text(extension);
}

void SuperMarket::didSelectedGoBuyWithSelectdIndex(int row)
{
    const auto resource = rowAt(row);
    if (!resource)
        return;
    RememberedResources::remember(UserInfo::info()->userId(), *resource);
    auto *buy = new GoBuy;
    buy->setOrderId(Value::text(resource->value(QStringLiteral("resourceId"))));
    buy->setOnline(Value::intValue(resource->value(QStringLiteral("currentState"))) != 0);
    pushViewController(buy);
}

void SuperMarket::callphone(int row)
{
    const auto resource = rowAt(row);
    const QString extension = resource ? extensionOf(*resource) : QString();
    if (extension.isEmpty())
        return;
    m_fenjihao = extension;
    const QString centre = context().config().callCentreNumber;
    context().service<Alerts>()->showAlert(
        QStringLiteral("友情提示"), QStringLiteral("是否拨打") + centre + u',' + extension,
        {QStringLiteral("是"), QStringLiteral("否")}, [centre, extension](int index) {
            // The comma makes the phone wait, then dial the extension. Written "tel:" rather
            // than "tel://": a URL parser reads what follows "//" as a host, and a host cannot
            // hold a comma.
            if (index == 0)
                UrlOpener::opener()->openURL(QUrl(QStringLiteral("tel:") + centre + u',' + extension));
        });
}
