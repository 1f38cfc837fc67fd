#pragma once

#include "app/AlertStyleValue1Delegate.h"
#include "screens/trade/OrderSheet.h"

/// A resource a seller directed to this user: the user orders it whole; the result panel
/// then offers to stay or to go back to the business hub.
class WaitBuyDetail : public OrderSheet, public AlertStyleValue1Delegate
{
    Q_OBJECT
public:
    explicit WaitBuyDetail(QObject *parent = nullptr);

    void setOrderID(const QString &resourceId) { m_orderID = resourceId; }
    ButtonModel *sureBtn() const { return buttons().at(0); }

    /// Orders the resource.
    Q_INVOKABLE void sure();
    /// The result panel: tag 0 stays here, any other goes back to the hub.
    void clickedButton(ButtonModel *button) override;

protected:
    void viewDidLoad() override;

private:
    QString m_orderID;
};
