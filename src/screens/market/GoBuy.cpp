#include "screens/market/GoBuy.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/im/ChatOpener.h"
#include "screens/market/RememberedResources.h"

GoBuy::GoBuy(QObject *parent) : SuperController(parent)
{
    // Nine characters: a weight or a price beyond that is a typing slip, not an order.
    form()->add(QStringLiteral("weight"), FormField::Decimal, QStringLiteral("采购重量不能为零"), 9)
        ->setLabel(QStringLiteral("采购重量(吨)："));
    form()->add(QStringLiteral("price"), FormField::Decimal, QStringLiteral("采购价格不能为零"), 9)
        ->setLabel(QStringLiteral("采购价格(元)："));
    connect(form(), &Form::submitted, this, &GoBuy::submit);
}

void GoBuy::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("资源详情"));
    Request::request(0)
        ->onSuccess(this, [this](const QVariant &data) { showDetail(Value::map(data)); })
        ->getSuperMarkDetail(m_orderId, this);
}

QString GoBuy::placeText(const QVariantMap &detail)
{
    const QString province = Value::text(detail.value(QStringLiteral("provinceName")));
    const QString city = Value::text(detail.value(QStringLiteral("cityName")));
    return province + u' ' + (city == province ? QString() : city);
}

void GoBuy::showDetail(const QVariantMap &detail)
{
    m_resourceInfo = detail;
    const auto text = [&detail](const char *key) { return Value::text(detail.value(QString::fromLatin1(key))); };
    m_fields = {{QStringLiteral("kind"), text("nsortName")},
                {QStringLiteral("spec"), text("spec")},
                {QStringLiteral("material"), text("materials")},
                {QStringLiteral("mill"), text("yieldly")},
                {QStringLiteral("place"), placeText(detail)},
                {QStringLiteral("weight"), text("weight") + QStringLiteral("吨（理计重量）")},
                {QStringLiteral("price"), text("price") + u'元'}};
    FormField *price = form()->field(QStringLiteral("price"));
    price->setEnabled(discuss());
    if (!discuss())
        price->setText(text("price"));
    emit resourceInfoChanged();
}

bool GoBuy::discuss() const
{
    return Value::boolValue(m_resourceInfo.value(QStringLiteral("Discuss")));
}

QString GoBuy::buyTitle() const
{
    switch (m_orderState) {
    case Ordering:
        return QStringLiteral("订单提交中…");
    case Ordered:
        return QStringLiteral("订单已提交");
    case NoOrder:
        break;
    }
    return QStringLiteral("立即购买");
}

void GoBuy::setOrderState(OrderState state)
{
    if (m_orderState == state)
        return;
    m_orderState = state;
    emit orderStateChanged();
}

void GoBuy::submit()
{
    // A second press, or Return, must not place a second order of the same lot.
    if (m_orderState != NoOrder || !LoginGate::requireLogin(this) || !form()->check())
        return;
    form()->closeKeyboard();
    setOrderState(Ordering);
    const QString userId = UserInfo::info()->userId();
    const QString resourceId = m_orderId;
    Request::request(1)
        ->onReply(this,
                  [this, userId, resourceId](const ServiceReply &reply) {
                      if (!reply.alertUnlessOk()) {
                          setOrderState(NoOrder);
                          return;
                      }
                      setOrderState(Ordered);
                      RememberedResources::forget(userId, resourceId);
                      Custom::messageWithString(orderPlacedText());
                  })
        ->onFailure(this, [this](const RequestError &) { setOrderState(NoOrder); })
        ->buyItemFromSuperMark(userId, m_orderId, float(Value::doubleValue(form()->text(QStringLiteral("price")))),
                               float(Value::doubleValue(form()->text(QStringLiteral("weight")))), this);
}

void GoBuy::gotoSpeak()
{
    if (!LoginGate::requireLogin(this) || m_resourceInfo.isEmpty())
        return;
    ChatOpener::openEnquiry(this, m_resourceInfo);
}
