#pragma once

#include "app/AlertStyleValue1.h"
#include "app/AlertStyleValue1Delegate.h"
#include "app/FerroxAlertDelegate.h"
#include "screens/trade/OrderSheet.h"

#include <QPointer>

class OrderList;

/// One order waiting for the seller: confirm it (the service's answer is shown; closing it
/// reloads the list and leaves) or give it up, after a confirmation overlay (leaving at once,
/// without a message, once the service agrees).
class SellerUNPayDetail : public OrderSheet, public FerroxAlertDelegate, public AlertStyleValue1Delegate
{
    Q_OBJECT
public:
    explicit SellerUNPayDetail(QObject *parent = nullptr);

    void setOrderId(const QString &orderId) { m_orderId = orderId; }
    void setResourceId(const QString &resourceId) { m_resourceId = resourceId; }
    void setDelegate(OrderList *list) { m_delegate = list; }

    ButtonModel *sureBtn() const { return buttons().at(0); }
    ButtonModel *giveupBtn() const { return buttons().at(1); }
    /// The confirmation overlay while it shows, else null.
    AlertStyleValue1 *bgView() const { return m_bgView; }

    /// Confirms the order.
    Q_INVOKABLE void sure();
    /// Asks whether to give the order up (overlay tag 10001).
    Q_INVOKABLE void giveup();
    /// The overlay's confirm: 10001 gives the order up; 10000 closes as after a confirmation.
    void back(int overlayTag);

    void steelViewWillDisappear(FerroxAlert *alert) override;
    void clickedButton(ButtonModel *button) override;

    static constexpr int kGiveUpTag = 10001;
    static constexpr int kCloseTag = 10000;

protected:
    void viewDidLoad() override;

private:
    void finished();
    void setBusy(bool busy);

    QString m_orderId;
    QString m_resourceId;
    QPointer<OrderList> m_delegate;
    QPointer<AlertStyleValue1> m_bgView;
};
