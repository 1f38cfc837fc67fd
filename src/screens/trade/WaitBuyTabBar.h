#pragma once

#include "app/BusinessTabBar.h"

/// The resources waiting for this user to buy them: the offers sellers directed to the user,
/// and the supermarket resources the user opened earlier.
class WaitBuyTabBar : public BusinessTabBar
{
    Q_OBJECT
public:
    explicit WaitBuyTabBar(QObject *parent = nullptr);
};
