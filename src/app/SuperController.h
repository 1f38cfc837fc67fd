#pragma once

#include "app/BaseScreen.h"

/// Base of the ordinary screens. A tap on the background calls touchesBackground; the busy
/// overlay is discarded when hidden and made afresh by the next showActivity.
class SuperController : public BaseScreen
{
    Q_OBJECT
public:
    explicit SuperController(QObject *parent = nullptr);

    void showActivity() override;
    void hideActivity() override;

    bool tapsBackground() const override { return true; }
};
