#include "screens/market/HomePage.h"

#include "app/NavigationStack.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"
#include "core/platform/ScreenMetrics.h"
#include "core/platform/UserDefaults.h"
#include "core/session/AccountSession.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/info/ArticleList.h"
#include "screens/info/OpenWebsite.h"
#include "screens/info/contactUsViewController.h"
#include "screens/market/AdvertStrip.h"
#include "screens/market/Auction.h"
#include "screens/market/BrandStore.h"
#include "screens/market/DealTicker.h"
#include "screens/market/FindItem.h"
#include "screens/market/MoreBuy.h"
#include "screens/market/SuperMarket.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/UploadEvidence.h"

#include <QDebug>

namespace {
enum EntryTag {
    kSuperMarket = 1000,
    kBidding,
    kAuction,
    kBrandStore,
    kFindItem,
    kUploadEvidence,
    kArticleList,
    kContactUs,
};
} // namespace

HomePage::HomePage(QObject *parent) : SuperController(parent), m_strip(new AdvertStrip(this))
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void HomePage::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("Velmora"));
    AccountSession::autoLogin();
    Request::request(0)
        ->onSuccess(this, [this](const QVariant &data) { showHomeData(Value::map(data)); })
        ->getMainDataWithDelegate(this);
}

void HomePage::showHomeData(const QVariantMap &data)
{
    const int height = context().service<ScreenMetrics>()->height();
    const QVariantList deals = Value::list(data.value(QStringLiteral("OrderList")));
    if (!deals.isEmpty() && deals.size() >= DealTicker::rows(height))
        m_strip->clear();
    m_tickerLines.clear();
    for (const DealTicker::Line &line : DealTicker::lines(deals, height))
        m_tickerLines.append(line.toMap());
    m_orderIsNil = deals.isEmpty();
    emit tickerChanged();
    m_strip->setAdverts(Value::list(data.value(QStringLiteral("ImagesList"))));
}

QString HomePage::emptyLineText() const
{
    return m_orderIsNil ? DealTicker::emptyText() : QString();
}

int HomePage::tickerTop() const
{
    return DealTicker::top(context().service<ScreenMetrics>()->height());
}

int HomePage::tickerFontSize() const
{
    return DealTicker::kFontSize;
}

QVariantList HomePage::buttons() const
{
    static const char *const captions[] = {"超市", "招标", "拍卖", "钢厂直销", "找货", "拍一拍", "行情中心", "联系我们"};
    QVariantList out;
    for (int i = 0; i < 8; ++i)
        out.append(QVariantMap{{QStringLiteral("tag"), kSuperMarket + i},
                               {QStringLiteral("caption"), QString::fromUtf8(captions[i])},
                               {QStringLiteral("picture"), QStringLiteral("C1%1").arg(i)}});
    return out;
}

void HomePage::buttonPressed(int tag)
{
    switch (tag) {
    case kSuperMarket:
        // Not "no": the value the supermarket has always been switched back with.
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("no'"), QStringLiteral("shifougangchang"));
        pushViewController(new SuperMarket);
        break;
    case kBidding:
        pushViewController(new Bidding);
        break;
    case kAuction:
        pushViewController(new Auction);
        break;
    case kBrandStore:
        pushViewController(new BrandStore);
        break;
    case kFindItem:
        pushViewController(new FindItem);
        break;
    case kUploadEvidence:
        if (LoginGate::requireLogin(this))
            pushViewController(new UploadEvidence);
        break;
    case kArticleList:
        // The information centre is a stack of its own; its back button closes it.
        presentViewController(new ArticleList);
        break;
    case kContactUs:
        pushViewController(new contactUsViewController);
        break;
    default:
        break;
    }
}

void HomePage::openUnavailable(const char *screen)
{
    qCInfo(lcApp) << "home page: no screen" << screen << "in this build";
}

void HomePage::touchesBackground()
{
    if (!m_orderIsNil)
        pushViewController(new MoreBuy);
}

void HomePage::touchUpInsideAtImageView(int index)
{
    // The advert's page opens in the reader, which offers the browser from there.
    const QString link = Value::text(m_strip->advertAt(index).value(QStringLiteral("linkUrl")));
    if (link.isEmpty() || link == QLatin1String("(null)"))
        return;
    auto *reader = new OpenWebsite;
    reader->setUrlString(link);
    pushViewController(reader);
}

void HomePage::logout()
{
    if (NavigationStack *stack = navigationController())
        stack->popToRootViewController();
}
