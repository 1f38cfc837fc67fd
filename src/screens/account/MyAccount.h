#pragma once

#include "app/SuperController.h"

/// Root of the account tab.
/// Until its own screen arrives it shows only its title.
class MyAccount : public SuperController
{
    Q_OBJECT
public:
    explicit MyAccount(QObject *parent = nullptr);

protected:
    void viewDidLoad() override;
};
