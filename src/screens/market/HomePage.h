#pragma once

#include "app/SuperController.h"

/// Root of the first tab: the market's home page.
/// Until its own screen arrives it shows only its title.
class HomePage : public SuperController
{
    Q_OBJECT
public:
    explicit HomePage(QObject *parent = nullptr);

protected:
    void viewDidLoad() override;
};
