#pragma once

#include "screens/trade/OrderList.h"

/// The buyer's completed orders (confirmed by the seller): a row opens the order's detail, its
/// upload button the evidence screen for that order, its company button the seller's card.
/// SellerDidPay is the same list seen from the seller's side.
class BuyersDidPay : public OrderList
{
    Q_OBJECT
public:
    explicit BuyersDidPay(QObject *parent = nullptr);

    void didSelectRow(int row) override;
    /// The upload button of a row whose voucher is not uploaded yet.
    void actionAtRow(int row) override;

protected:
    BuyersDidPay(const QString &role, const QString &title, QObject *parent);
    void viewDidLoad() override;
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;

private:
    QString m_role;
    QString m_title;
};
