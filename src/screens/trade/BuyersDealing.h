#pragma once

#include "screens/trade/OrderList.h"

/// The orders in trade, for the buyer ("buy") or the seller ("sell"): a row, or its button,
/// opens the detail where this side reports the trade's outcome; a side that has answered
/// sees "等待确认" instead of the button, both sides "等待审核" once both have answered.
class BuyersDealing : public OrderList
{
    Q_OBJECT
public:
    explicit BuyersDealing(const QString &role, QObject *parent = nullptr);

    QString role() const { return m_role; }
    void didSelectRow(int row) override;

    /// The text that replaces the action for status seen from side, or empty when side can act:
    /// the buyer has answered in "6" and "8", the seller in "5" and "7"; "9" awaits review.
    static QString waitingText(const QString &side, const QString &status);

protected:
    void fetch(Request *request, int page) override;
    QVariantMap shownRow(const QVariantMap &order) const override;

private:
    QString m_role;
};
