#pragma once

#include "app/BusinessTabBar.h"

/// The orders in trade of one side: the trading orders and the given-up ones, switched by two
/// buttons in the navigation bar.
class BuyersDealTabBar : public BusinessTabBar
{
    Q_OBJECT
    Q_PROPERTY(QString role READ role CONSTANT)
public:
    /// role is "buy" or "sell".
    explicit BuyersDealTabBar(const QString &role, QObject *parent = nullptr);

    QString role() const { return m_role; }

private:
    QString m_role;
};
