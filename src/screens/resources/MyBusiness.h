#pragma once

#include "app/SuperController.h"

/// Root of the business tab: the user's orders, tenders, bids and resources.
/// Until its own screen arrives it shows only its title.
class MyBusiness : public SuperController
{
    Q_OBJECT
public:
    explicit MyBusiness(QObject *parent = nullptr);

protected:
    void viewDidLoad() override;
};
