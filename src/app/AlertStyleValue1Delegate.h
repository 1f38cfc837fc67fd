#pragma once

#include <QtGlobal>

class ButtonModel;

/// Told which button closed a two-button choice: the cancel button has tag 0, the confirm
/// button tag 1 (optional).
class AlertStyleValue1Delegate
{
public:
    virtual ~AlertStyleValue1Delegate() = default;
    virtual void clickedButton(ButtonModel *button) { Q_UNUSED(button) }
};
