#include "screens/trade/BiddingDetail.h"

#include "core/api/Request.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/trade/AddBidding.h"

namespace {
QString payText(const QVariant &paytype)
{
    const QString code = Value::text(paytype);
    return code == QLatin1String("0") ? QStringLiteral("现款") : code == QLatin1String("1") ? QStringLiteral("非现款") : QString();
}
// A value the detail lacks stays empty, so the form counts it as missing.
QString shown(const QVariant &v)
{
    return v.isValid() ? Value::text(v) : QString();
}
QVariantMap entry(const QVariant &id, const QVariant &name)
{
    return {{QStringLiteral("id"), shown(id)}, {QStringLiteral("name"), shown(name)}};
}
} // namespace

BiddingDetail::BiddingDetail(QObject *parent) : ItemDetail(parent) {}

void BiddingDetail::viewDidLoad()
{
    ItemDetail::viewDidLoad();
    setTitle(QStringLiteral("招标详情信息"));
    load(100);
}

QString BiddingDetail::stateText() const
{
    return m_type == Published ? QStringLiteral("已发布") : m_type == UnderReview ? QStringLiteral("审核中") : QStringLiteral("未发布");
}

QString BiddingDetail::stateColor() const
{
    return m_type == Published ? QStringLiteral("green") : m_type == UnderReview ? QStringLiteral("blue") : QStringLiteral("red");
}

QString BiddingDetail::stateButtonTitle() const
{
    return m_type == Published ? QStringLiteral("撤回招标") : QStringLiteral("发布招标");
}

void BiddingDetail::askDetail(Request *request)
{
    request->zhaobiaoDetailWithDelegate(this, m_zhaobiaoID);
}

void BiddingDetail::showDetail(const QVariantMap &detail)
{
    m_resultDict = detail;
    m_resourceId = Value::text(detail.value(QStringLiteral("id")));
    QVariantMap f = texts(detail, {"nsortName", "spec", "materials", "maxNum", "address"});
    f.insert(QStringLiteral("weight"), Value::text(detail.value(QStringLiteral("weight"))) + QStringLiteral(" 吨"));
    f.insert(QStringLiteral("price"), Value::text(detail.value(QStringLiteral("price"))) + QStringLiteral(" 元"));
    f.insert(QStringLiteral("paytype"), payText(detail.value(QStringLiteral("paytype"))));
    setFields(f);
}

void BiddingDetail::show()
{
    if (m_type == Unpublished)
        changeState(300);
    else if (m_type == Published)
        changeState(200);
}

void BiddingDetail::changeState(int tag)
{
    // Not before the tender has loaded.
    if (m_resourceId.isEmpty())
        return;
    Request *request = ItemDetail::changeState(tag, [tag](const ServiceReply &reply) {
        return tag == 200 ? QStringLiteral("招标信息已成功扯回 !") : reply.message;
    });
    if (!request)
        return;
    if (tag == 300)
        request->zhaobiaoFabuWithDelegate(this, m_resourceId);
    else
        request->zhaobiaoBackWithDelegate(this, m_resourceId);
}

void BiddingDetail::steelViewWillDisappear(FerroxAlert *)
{
    if (m_delegate)
        m_delegate->biddingDetailDidFinishedEditor(this);
    popViewController();
}

QVariantMap BiddingDetail::formEntries(const QVariantMap &d)
{
    auto v = [&d](const char *key) { return d.value(QString::fromLatin1(key)); };
    return {
        {QStringLiteral("0"), entry(v("sortID"), v("sortName"))},
        {QStringLiteral("1"), entry(v("nsortID"), v("nsortName"))},
        {QStringLiteral("2"), entry(v("spec"), v("spec"))},
        {QStringLiteral("3"), entry(v("materials"), v("materials"))},
        {QStringLiteral("4"), entry(v("weight"), v("weight"))},
        {QStringLiteral("5"), entry(v("price"), v("price"))},
        {QStringLiteral("6"), entry(v("maxNum"), v("maxNum"))},
        {QStringLiteral("7"), QVariantMap{{QStringLiteral("provinceID"), shown(v("provinceID"))},
                                          {QStringLiteral("cityID"), shown(v("cityID"))},
                                          {QStringLiteral("name"), shown(v("address"))}}},
        {QStringLiteral("8"), entry(payText(v("paytype")), payText(v("paytype")))},
    };
}

void BiddingDetail::gotoEditor()
{
    if (m_resourceId.isEmpty() || m_resultDict.isEmpty()) {
        Custom::messageWithString(QStringLiteral("数据加载失败"));
        return;
    }
    auto *form = new AddBidding;
    form->setDataDict(formEntries(m_resultDict));
    form->setResourceid(m_resourceId);
    form->setDelegate(this);
    pushViewController(form);
}

void BiddingDetail::biddingEditorDidFinished(AddBidding *)
{
    load(100);
}
