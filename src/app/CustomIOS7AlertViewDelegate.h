#pragma once

#include <QtGlobal>

class CustomIOS7AlertView;

/// Told which button of the one-button dialog was pressed, by its tag (optional).
class CustomIOS7AlertViewDelegate
{
public:
    virtual ~CustomIOS7AlertViewDelegate() = default;
    virtual void customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *alertView, int buttonIndex)
    {
        Q_UNUSED(alertView) Q_UNUSED(buttonIndex)
    }
};
