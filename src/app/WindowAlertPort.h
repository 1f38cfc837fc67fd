#pragma once

#include "core/platform/AlertPort.h"

class Alerts;

/// Shows the core's alerts (Custom's message alert, MTool's alert) in the window through the
/// context's Alerts.
class WindowAlertPort : public AlertPort
{
public:
    explicit WindowAlertPort(Alerts *alerts) : m_alerts(alerts) {}

    void showMessage(const QString &text, const QString &button) override;
    void showAlert(const QString &title, const QString &text, const QString &button) override;

    /// Installs the port in context, over its Alerts.
    static void install(AppContext &context);

private:
    Alerts *m_alerts;
};
