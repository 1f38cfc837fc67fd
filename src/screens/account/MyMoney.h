#pragma once

#include "app/SuperController.h"

#include <QVariantList>

/// The user's three balances as the login reply gave them: cash, steel coins, deposit.
class MyMoney : public SuperController
{
    Q_OBJECT
    /// One row per balance: "caption", "value", "unit", "picture".
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
public:
    explicit MyMoney(QObject *parent = nullptr) : SuperController(parent) {}

    QVariantList rows() const;

signals:
    void rowsChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
};
