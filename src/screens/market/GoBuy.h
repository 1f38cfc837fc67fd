#pragma once

#include "app/SuperController.h"

#include <QVariantMap>

/// The buying screen: one supermarket resource in detail, an order for a weight at a price,
/// and the enquiry to its seller ("旺旺洽谈"). One order per opening: the buy button stays off
/// while the order is on its way and once it is placed (a new order starts from the list).
class GoBuy : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(bool online READ online CONSTANT)
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY resourceInfoChanged)
    Q_PROPERTY(bool discuss READ discuss NOTIFY resourceInfoChanged)
    Q_PROPERTY(bool buyEnabled READ buyEnabled NOTIFY orderStateChanged)
    Q_PROPERTY(QString buyTitle READ buyTitle NOTIFY orderStateChanged)
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

    /// The order of this opening: none yet (or refused), on its way, placed.
    enum OrderState { NoOrder, Ordering, Ordered };
    OrderState orderState() const { return m_orderState; }
    bool buyEnabled() const { return m_orderState == NoOrder; }
    QString buyTitle() const;
    QString rightButtonTitle() const { return QStringLiteral("旺旺洽谈"); }

    /// The buy button, and Return in the last field ("weight", then "price" when it is editable).
    Q_INVOKABLE void submit();
    /// The right navigation button: talk to the seller.
    Q_INVOKABLE void gotoSpeak();

    /// The place line: province and city, the city left out when it repeats the province.
    static QString placeText(const QVariantMap &detail);
    static QString orderPlacedText()
    {
        return QStringLiteral("尊敬的用户，您的订单已提交，请关注[我的业务]中卖家对订单的确认！");
    }

signals:
    void resourceInfoChanged();
    void orderStateChanged();

protected:
    void viewDidLoad() override;

private:
    void showDetail(const QVariantMap &detail);
    void setOrderState(OrderState state);

    QString m_orderId;
    bool m_online = false;
    QVariantMap m_resourceInfo;
    QVariantMap m_fields;
    OrderState m_orderState = NoOrder;
};
