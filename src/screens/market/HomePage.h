#pragma once

#include "app/SuperController.h"

/// Root of the first tab: the market's home page. On its first load it logs the remembered user
/// in without showing anything, and while in view it applies the answer (a refusal shows its
/// message and clears the record).
class HomePage : public SuperController
{
    Q_OBJECT
public:
    explicit HomePage(QObject *parent = nullptr);

    /// On "UserLogoutSystem": back to the root of this tab.
    void logout() override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewWillDisappear() override;
};
