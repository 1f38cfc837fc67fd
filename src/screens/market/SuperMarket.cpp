#include "screens/market/SuperMarket.h"

#include "app/Alerts.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/UrlOpener.h"
#include "core/platform/UserDefaults.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/market/GoBuy.h"
#include "screens/market/MarketFilter.h"
#include "screens/market/RememberedResources.h"

SuperMarket::SuperMarket(QObject *parent)
    : SuperController(parent), m_filter(new MarketFilter(this)),
      m_mainlist(new PagedListModel({QStringLiteral("nsortName"), QStringLiteral("spec"), QStringLiteral("price"),
                                     QStringLiteral("phoneEnabled")},
                                    this))
{
    // An empty later page steps back, so "加载更多" asks for the same page again; a refusal or
    // a lost reply leaves the page index as it was advanced.
    m_mainlist->setStepBack(false, false, true);
    m_mainlist->setFooterRule(PagedListModel::FooterAlways);
    m_mainlist->setFooterTitle(QStringLiteral("加载更多"));
    m_mainlist->setFetch([this](Request *request, int page, int size) {
        request->getSuperMarkList(m_filter->classId(), m_filter->subClassId(), m_filter->provinceId(),
                                  m_filter->formatString(), page, size, this);
    });
    m_mainlist->setRowMapping([this](const QVariantMap &row) {
        QVariantMap shown = row;
        shown.insert(QStringLiteral("phoneEnabled"), !extensionOf(row).isEmpty());
        return shown;
    });
    connect(m_mainlist, &PagedListModel::pageArrived, this, [this](const ServiceReply &reply) {
        m_mainLabel = QStringLiteral("一共为您准备了%1条资源").arg(Value::text(Value::member(reply.result, QStringLiteral("total"))));
        emit mainLabelChanged();
    });
    connect(m_filter, &MarketFilter::changed, m_mainlist, &PagedListModel::refresh);
}

void SuperMarket::viewDidLoad()
{
    SuperController::viewDidLoad();
    UserDefaults *defaults = UserDefaults::standardUserDefaults();
    m_steelMill = defaults->stringForKey(QStringLiteral("shifougangchang")) == QLatin1String("yes");
    if (m_steelMill) {
        setTitle(defaults->stringForKey(QStringLiteral("gangchangname")));
        m_filter->setPlaceHidden(true);
    } else {
        setTitle(QStringLiteral("超市资源"));
    }
    m_mainlist->refresh();
}

QString SuperMarket::extensionOf(const QVariantMap &row) const
{
    const QVariant extension = row.value(m_steelMill ? QStringLiteral("Tel") : QStringLiteral("YieldlyTel"));
    return Value::isNone(extension) ? QString() : Value::text(extension);
}

void SuperMarket::remember(const QVariantMap &row)
{
    const QString userId = UserInfo::info()->userId();
    RememberedResources::remember(userId, row);
}

void SuperMarket::didSelectedGoBuyWithSelectdIndex(int row)
{
    if (row < 0 || row >= m_mainlist->count())
        return;
    const QVariantMap resource = m_mainlist->get(row);
    remember(resource);
    auto *buy = new GoBuy;
    buy->setOrderId(Value::text(resource.value(QStringLiteral("resourceId"))));
    buy->setOnline(Value::intValue(resource.value(QStringLiteral("currentState"))) != 0);
    pushViewController(buy);
}

void SuperMarket::callphone(int row)
{
    if (row < 0 || row >= m_mainlist->count())
        return;
    const QString extension = extensionOf(m_mainlist->get(row));
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
