#pragma once

#include <QtGlobal>

class FerroxAlert;

/// Told when a notice closes (optional).
class FerroxAlertDelegate
{
public:
    virtual ~FerroxAlertDelegate() = default;
    virtual void steelViewWillDisappear(FerroxAlert *alert) { Q_UNUSED(alert) }
};
