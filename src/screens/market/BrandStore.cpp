#include "screens/market/BrandStore.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "core/api/FormEnvelope.h"
#include "core/api/ServiceToken.h"
#include "core/platform/AppContext.h"
#include "core/platform/UserDefaults.h"
#include "core/util/Value.h"
#include "screens/market/CachedPictures.h"
#include "screens/market/SuperMarket.h"

#include <QPoint>

namespace {
const QString kMillListPath = QStringLiteral("market/GetYieldly");
constexpr int kColumns = 3;
constexpr int kColumnStep = 100;
constexpr int kLeft = 25;
constexpr int kRowStep = 120;
constexpr int kBottom = 50;
} // namespace

BrandStore::BrandStore(QObject *parent) : SuperController(parent), m_logos(new CachedPictures(1, this))
{
    connect(m_logos, &CachedPictures::arrived, this, [this](int index, const QUrl &file) {
        if (index < 0 || index >= m_places.size())
            return;
        QVariantMap place = m_places.at(index).toMap();
        place.insert(QStringLiteral("logo"), file);
        m_places[index] = place;
        emit millsChanged();
    });
}

BrandStore::~BrandStore()
{
    delete m_request;
}

void BrandStore::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("钢厂直销"));
    const JsonMembers info{{QStringLiteral("content"), QString()}};
    m_request = FormEnvelope::post(FormEnvelope::serviceUrl(kMillListPath), info, ServiceToken::kService, this,
                                   [this](const FormEnvelope::Reply &reply) {
                                       m_request = nullptr;
                                       emit loadingListChanged();
                                       if (reply.failed) {
                                           context().service<Alerts>()->showAlert(
                                               QStringLiteral("请求失败,请检查网络连接"), QString(),
                                               {QStringLiteral("确定")});
                                           return;
                                       }
                                       shuaxingangchangliebiao(reply.result);
                                   });
    emit loadingListChanged();
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

void BrandStore::shuaxingangchangliebiao(const QVariant &reply)
{
    m_dic = Value::map(reply);
    m_data = Value::list(m_dic.value(QStringLiteral("data")));
    m_places.clear();
    const int n = int(m_data.size());
    for (int i = 0; i < n; ++i) {
        const QVariantMap mill = Value::map(m_data.at(i));
        const QPoint at = placeOf(i, n);
        m_places.append(QVariantMap{{QStringLiteral("name"), Value::text(mill.value(QStringLiteral("Yieldly")))},
                                    {QStringLiteral("logo"), QUrl()},
                                    {QStringLiteral("x"), at.x()},
                                    {QStringLiteral("y"), at.y()},
                                    {QStringLiteral("tag"), kFirstTag + i}});
    }
    emit millsChanged();
    for (int i = 0; i < n; ++i) {
        const QUrl cached = m_logos->load(Value::map(m_data.at(i)).value(QStringLiteral("LogoUrl")), i);
        if (!cached.isEmpty()) {
            QVariantMap place = m_places.at(i).toMap();
            place.insert(QStringLiteral("logo"), cached);
            m_places[i] = place;
        }
    }
    emit millsChanged();
}

void BrandStore::xuanzegangchang(int tag)
{
    const int i = tag - kFirstTag;
    if (i < 0 || i >= m_data.size())
        return;
    UserDefaults *defaults = UserDefaults::standardUserDefaults();
    defaults->setObject(QStringLiteral("yes"), QStringLiteral("shifougangchang"));
    defaults->setObject(Value::map(m_data.at(i)).value(QStringLiteral("Yieldly")), QStringLiteral("gangchangname"));
    pushViewController(new SuperMarket);
}

void BrandStore::fanhui()
{
    // Deleting the post cancels it: no callback follows.
    delete m_request;
    emit loadingListChanged();
    if (NavigationStack *stack = navigationController())
        stack->popToRootViewController();
}
