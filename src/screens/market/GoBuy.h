#pragma once

#include "app/SuperController.h"
#include "screens/account/UserLoginDelegate.h"

#include <QVariantMap>

/// The buying screen: one supermarket resource in detail, an order for a weight at a price,
/// and the enquiry to its seller ("旺旺洽谈").
class GoBuy : public SuperController, public UserLoginDelegate
{
    Q_OBJECT
    Q_PROPERTY(bool online READ online CONSTANT)
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY resourceInfoChanged)
    Q_PROPERTY(bool discuss READ discuss NOTIFY resourceInfoChanged)
    Q_PROPERTY(QString weightText READ weightText WRITE setWeightText NOTIFY weightTextChanged)
    Q_PROPERTY(QString priceText READ priceText WRITE setPriceText NOTIFY priceTextChanged)
    Q_PROPERTY(QString rightButtonTitle READ rightButtonTitle CONSTANT)
public:
    explicit GoBuy(QObject *parent = nullptr);

    QString orderId() const { return m_orderId; }
    void setOrderId(const QString &resourceId) { m_orderId = resourceId; }
    bool online() const { return m_online; }
    void setOnline(bool online) { m_online = online; }

    QVariantMap resourceInfo() const { return m_resourceInfo; }
    /// The detail as shown: "kind", "spec", "material", "mill", "place", "weight", "price".
    QVariantMap fields() const { return m_fields; }
    /// The price is negotiable: only then can the buyer edit it.
    bool discuss() const;

    QString weightText() const { return m_weightText; }
    void setWeightText(const QString &text);
    QString priceText() const { return m_priceText; }
    void setPriceText(const QString &text);
    QString rightButtonTitle() const { return QStringLiteral("旺旺洽谈"); }

    /// The buy button.
    Q_INVOKABLE void submit();
    /// The right navigation button: talk to the seller.
    Q_INVOKABLE void gotoSpeak();
    Q_INVOKABLE void touchesBackground() override { emit closeKeyboard(); }

    void loginDidFinish(UserLogin *login) override;

    /// The place line: province and city, the city left out when it repeats the province.
    static QString placeText(const QVariantMap &detail);
    static QString orderPlacedText()
    {
        return QStringLiteral("尊敬的用户，您的订单已提交，请关注[我的业务]中卖家对订单的确认！");
    }

signals:
    void resourceInfoChanged();
    void weightTextChanged();
    void priceTextChanged();
    void closeKeyboard();

protected:
    void viewDidLoad() override;

private:
    void showDetail(const QVariantMap &detail);

    QString m_orderId;
    bool m_online = false;
    QVariantMap m_resourceInfo;
    QVariantMap m_fields;
    QString m_weightText;
    QString m_priceText;
};
