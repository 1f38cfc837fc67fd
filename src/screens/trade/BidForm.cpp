#include "screens/trade/BidForm.h"

#include "app/BaseScreen.h"
#include "app/Form.h"
#include "core/api/Request.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"
#include "screens/market/InfoSelector.h"

BidForm::BidForm(BaseScreen *screen) : QObject(screen), m_screen(screen), m_form(new Form(this))
{
    m_form->add(QStringLiteral("price"), FormField::Decimal, incompleteText(), 9)->setLabel(QStringLiteral("报价(元/吨)："));
    m_form->add(QStringLiteral("mill"), FormField::Text, incompleteText(), 30)->setLabel(QStringLiteral("生产钢厂："));
    m_form->add(QStringLiteral("place"), FormField::Text, incompleteText())->setLabel(QStringLiteral("交货地："));
    m_form->field(QStringLiteral("place"))->setEnabled(false);
    connect(m_form, &Form::submitted, this, &BidForm::submit);
}

void BidForm::setShown(bool shown)
{
    if (m_shown == shown)
        return;
    m_shown = shown;
    emit shownChanged();
}

void BidForm::open(const QString &tenderId)
{
    if (!m_screen || !LoginGate::requireLogin(m_screen))
        return;
    // The tender is held from here on: a list reloaded behind the form cannot move the bid to
    // another row's tender.
    m_tenderId = tenderId;
    setShown(true);
}

void BidForm::close()
{
    setShown(false);
}

void BidForm::choosePlace()
{
    if (!m_screen)
        return;
    m_form->closeKeyboard();
    setShown(false);
    auto *picker = new InfoSelector;
    picker->setTitle(QStringLiteral("交货地选择"));
    // No "全国" button: a bid is delivered to one city.
    picker->setHideRightView(true);
    picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("AllCity"))));
    picker->setDelegate(this, m_screen);
    m_screen->pushViewController(picker);
}

bool BidForm::implements(Operation operation) const
{
    return operation == DidSeletedCity || operation == CancelSelectCity;
}

void BidForm::didSeletedCity(const QVariantMap &result)
{
    const QVariantMap province = Value::map(result.value(QStringLiteral("sheng")));
    const QVariantMap city = Value::map(result.value(QStringLiteral("shi")));
    m_provinceId = Value::text(province.value(QStringLiteral("provinceID")));
    m_cityId = Value::text(city.value(QStringLiteral("cityId")));
    m_form->field(QStringLiteral("place"))
        ->setText(QStringLiteral("%1 %2").arg(Value::text(province.value(QStringLiteral("name"))),
                                              Value::text(city.value(QStringLiteral("name")))));
    setShown(true);
}

void BidForm::cancelSelectCity()
{
    setShown(true);
}

float BidForm::priceValue(const QString &text)
{
    // Single precision, as the phone's keypad number is read; the request sends whole yuan.
    return text.trimmed().toFloat();
}

void BidForm::submit()
{
    // A second tap finds the form closed: one bid per submission.
    if (!m_shown || !m_screen)
        return;
    if (!m_form->check())
        return;
    m_form->closeKeyboard();
    setShown(false);
    Request::request(1)
        ->onReply(m_screen, [](const ServiceReply &reply) { Custom::messageWithString(reply.message); })
        ->buyItemFromBidding(UserInfo::info()->userId(), m_tenderId, m_provinceId, m_cityId, m_form->text(QStringLiteral("mill")),
                             priceValue(m_form->text(QStringLiteral("price"))), m_screen);
}
