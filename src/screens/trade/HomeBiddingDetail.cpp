#include "screens/trade/HomeBiddingDetail.h"

#include "core/api/Request.h"
#include "core/util/Value.h"

HomeBiddingDetail::HomeBiddingDetail(QObject *parent) : SuperController(parent), m_bidForm(new BidForm(this)) {}

void HomeBiddingDetail::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("招标信息详情"));
    if (m_biddingId.isEmpty())
        return;
    Request::request(0)
        ->onSuccess(this, [this](const QVariant &data) { showDetail(Value::map(data)); })
        ->getYingBiaoDetail(m_biddingId, this);
}

void HomeBiddingDetail::showDetail(const QVariantMap &detail)
{
    m_biddingInfo = detail;
    for (const char *key : {"nsortName", "spec", "materials", "weight", "address", "maxNum"}) {
        const QString name = QString::fromLatin1(key);
        m_fields.insert(name, Value::text(detail.value(name)));
    }
    // An unknown payment method leaves the line as it was.
    const QString paytype = Value::text(detail.value(QStringLiteral("paytype")));
    if (paytype == QLatin1String("0"))
        m_fields.insert(QStringLiteral("paytype"), QStringLiteral("现款"));
    else if (paytype == QLatin1String("1"))
        m_fields.insert(QStringLiteral("paytype"), QStringLiteral("非现款"));
    emit fieldsChanged();
}

void HomeBiddingDetail::buttonPressed()
{
    m_bidForm->open(m_biddingId);
}

void HomeBiddingDetail::popViewController()
{
    if (m_bidForm->shown())
        m_bidForm->close();
    else
        SuperController::popViewController();
}
