#include "screens/market/BrandStore.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/platform/UserDefaults.h"
#include "core/util/Value.h"
#include "screens/market/CachedPictures.h"
#include "screens/market/SuperMarket.h"

#include <QPoint>

namespace {
constexpr int kColumns = 3;
constexpr int kColumnStep = 100;
constexpr int kLeft = 25;
constexpr int kRowStep = 120;
constexpr int kBottom = 50;
const QString kLogo = QStringLiteral("logo");
} // namespace

BrandStore::BrandStore(QObject *parent)
    : SuperController(parent),
      m_mills(new PagedListModel({QStringLiteral("name"), kLogo, QStringLiteral("x"), QStringLiteral("y"),
                                  QStringLiteral("tag")},
                                 this)),
      m_logos(new CachedPictures(1, this))
{
    m_mills->setUnpaged();
    m_mills->setFetch([this](Request *r, int, int) {
        r->onFailure(this, [this](const RequestError &) {
            context().service<Alerts>()->showAlert(QStringLiteral("请求失败,请检查网络连接"), QString(),
                                                   {QStringLiteral("确定")});
        });
        r->getYieldlyWithDelegate(this);
    });
    // The places depend on how many mills there are, so the whole list is laid out at once.
    m_mills->setRowsOf([this](const ServiceReply &reply) { return placesOf(Value::list(reply.data)); });
    connect(m_mills, &PagedListModel::stateChanged, this, &BrandStore::gridChanged);
    connect(m_mills, &PagedListModel::pageArrived, this, &BrandStore::loadLogos);
    connect(m_logos, &CachedPictures::arrived, this, [this](int index, const QUrl &file) {
        QVariantMap place = m_mills->get(index);
        if (place.isEmpty())
            return;
        place.insert(kLogo, file);
        m_mills->setRowAt(index, place);
    });
}

void BrandStore::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("钢厂直销"));
    m_mills->refresh();
}

bool BrandStore::loadingList() const
{
    return m_mills->loading();
}

int BrandStore::gridHeight() const
{
    return gridHeight(m_mills->count());
}

int BrandStore::gridHeight(int n)
{
    const int rows = (n + kColumns - 1) / kColumns;
    return rows * kRowStep + kBottom;
}

QPoint BrandStore::placeOf(int i, int n)
{
    const int rows = (n + kColumns - 1) / kColumns;
    if (rows == 0)
        return {};
    return {kLeft + (i / rows) * kColumnStep, (i % rows) * kRowStep};
}

QVariantList BrandStore::placesOf(const QVariantList &mills) const
{
    QVariantList places;
    const int n = int(mills.size());
    for (int i = 0; i < n; ++i) {
        const QVariantMap mill = Value::map(mills.at(i));
        const QPoint at = placeOf(i, n);
        places.append(QVariantMap{{QStringLiteral("name"), Value::text(mill.value(QStringLiteral("Yieldly")))},
                                  {kLogo, QUrl()},
                                  {QStringLiteral("logoUrl"), mill.value(QStringLiteral("LogoUrl"))},
                                  {QStringLiteral("x"), at.x()},
                                  {QStringLiteral("y"), at.y()},
                                  {QStringLiteral("tag"), kFirstTag + i}});
    }
    return places;
}

void BrandStore::loadLogos()
{
    for (int i = 0; i < m_mills->count(); ++i) {
        QVariantMap place = m_mills->get(i);
        const QUrl cached = m_logos->load(place.value(QStringLiteral("logoUrl")), i);
        if (cached.isEmpty())
            continue;
        place.insert(kLogo, cached);
        m_mills->setRowAt(i, place);
    }
}

void BrandStore::xuanzegangchang(int tag)
{
    const QVariantMap mill = m_mills->get(tag - kFirstTag);
    if (mill.isEmpty())
        return;
    UserDefaults *defaults = UserDefaults::standardUserDefaults();
    defaults->setObject(QStringLiteral("yes"), QStringLiteral("shifougangchang"));
    defaults->setObject(mill.value(QStringLiteral("name")), QStringLiteral("gangchangname"));
    pushViewController(new SuperMarket);
}

void BrandStore::popViewController()
{
    if (NavigationStack *stack = navigationController())
        stack->popToRootViewController();
}
