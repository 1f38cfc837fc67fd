#include "app/WindowAlertPort.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"

void WindowAlertPort::showMessage(const QString &text, const QString &button)
{
    m_alerts->showAlert({}, text, {button}, {}, 0);
}

void WindowAlertPort::showAlert(const QString &title, const QString &text, const QString &button)
{
    m_alerts->showAlert(title, text, {button}, {}, 0);
}

void WindowAlertPort::install(AppContext &context)
{
    context.setService<AlertPort>(std::make_unique<WindowAlertPort>(context.service<Alerts>()));
}
