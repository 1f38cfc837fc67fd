#pragma once

#include "app/BaseScreen.h"

/// Base of the list screens. The busy overlay is kept: hiding fades it out over 0.3 s and the
/// next showActivity shows the same overlay again.
class SuperTableViewController : public BaseScreen
{
    Q_OBJECT
public:
    explicit SuperTableViewController(QObject *parent = nullptr);

    void showActivity() override;
    void hideActivity() override;

    static constexpr int kFadeMs = 300;
};
