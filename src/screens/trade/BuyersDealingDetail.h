#pragma once

#include "app/FerroxAlertDelegate.h"
#include "screens/trade/OrderSheet.h"

#include <QPointer>

class OrderList;

/// One order in trade: this side reports the trade's outcome (success unless 交易失败 is
/// chosen). A side that has answered, or an order awaiting review, cannot report again. The
/// service's answer is shown; closing it reloads the list and leaves.
class BuyersDealingDetail : public OrderSheet, public FerroxAlertDelegate
{
    Q_OBJECT
    /// The confirm button's picture: "mit111" when this side can act, "mit222" once it has
    /// answered, "mit333" while the order awaits review.
    Q_PROPERTY(QString sureImage READ sureImage NOTIFY sureImageChanged)
public:
    explicit BuyersDealingDetail(QObject *parent = nullptr);

    void setOrderIdStr(const QString &id) { m_orderIdStr = id; }
    void setRole(const QString &role) { m_role = role; }
    void setDelegate(OrderList *list) { m_delegate = list; }
    QString orderDetailId() const { return m_orderDetailId; }
    QString status() const { return m_status; }

    ButtonModel *leftBtn() const { return choices().at(0); }
    ButtonModel *rightBtn() const { return choices().at(1); }
    ButtonModel *sureBtn() const { return buttons().at(0); }
    QString sureImage() const { return m_sureImage; }

    /// Sends this side's outcome: "0" when 交易失败 is selected, otherwise "1".
    Q_INVOKABLE void sureButtonPressed();
    void steelViewWillDisappear(FerroxAlert *alert) override;

signals:
    void sureImageChanged();

protected:
    void viewDidLoad() override;

private:
    void setSureImage(const QString &image);

    QString m_orderIdStr;
    QString m_orderDetailId;
    QString m_role;
    QString m_status;
    QString m_sureImage = QStringLiteral("mit111");
    QPointer<OrderList> m_delegate;
};
