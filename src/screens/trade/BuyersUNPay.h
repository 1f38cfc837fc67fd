#pragma once

#include "screens/trade/OrderList.h"

/// The orders the seller has not confirmed yet. The buyer sees them marked "待确认" and a row
/// opens its read-only detail; SellerUNPay is the same list from the seller's side, where a
/// row, or its button, opens the detail that confirms the order or gives it up.
class BuyersUNPay : public OrderList
{
    Q_OBJECT
public:
    explicit BuyersUNPay(QObject *parent = nullptr);

    void didSelectRow(int row) override;

protected:
    BuyersUNPay(const QString &role, const QString &title, QObject *parent);
    void viewDidLoad() override;
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;

private:
    bool isSeller() const { return m_role == QLatin1String("sell"); }

    QString m_role;
    QString m_title;
};
