#include "screens/market/GoBuy.h"

#include "core/api/Request.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/im/ChatOpener.h"
#include "screens/market/RememberedResources.h"

GoBuy::GoBuy(QObject *parent) : SuperController(parent) {}

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
    if (!discuss())
        setPriceText(text("price"));
    emit resourceInfoChanged();
}

bool GoBuy::discuss() const
{
    return Value::boolValue(m_resourceInfo.value(QStringLiteral("Discuss")));
}

void GoBuy::setWeightText(const QString &text)
{
    if (text == m_weightText)
        return;
    m_weightText = text;
    emit weightTextChanged();
}

void GoBuy::setPriceText(const QString &text)
{
    if (text == m_priceText)
        return;
    m_priceText = text;
    emit priceTextChanged();
}

void GoBuy::submit()
{
    if (!LoginGate::requireLogin(this, this))
        return;
    if (m_weightText.isEmpty()) {
        Custom::messageWithString(QStringLiteral("采购重量不能为零"));
        return;
    }
    if (m_priceText.isEmpty()) {
        Custom::messageWithString(QStringLiteral("采购价格不能为零"));
        return;
    }
    emit closeKeyboard();
    const QString userId = UserInfo::info()->userId();
    const QString resourceId = m_orderId;
    Request::request(1)
        ->onSuccess(this,
                    [userId, resourceId](const QVariant &) {
                        RememberedResources::forget(userId, resourceId);
                        Custom::messageWithString(orderPlacedText());
                    })
        ->buyItemFromSuperMark(userId, m_orderId, float(Value::doubleValue(m_priceText)),
                               float(Value::doubleValue(m_weightText)), this);
}

void GoBuy::gotoSpeak()
{
    if (!LoginGate::requireLogin(this, this))
        return;
    if (m_resourceInfo.isEmpty())
        return;
    ChatOpener::openEnquiry(this, m_resourceInfo);
}

void GoBuy::loginDidFinish(UserLogin *login)
{
    LoginGate::close(login);
}
