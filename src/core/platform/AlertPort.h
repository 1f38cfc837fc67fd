#pragma once

#include <QString>

class AppContext;

/// Where the core's alerts surface. The app shell installs the implementation that shows them
/// (ctx.setService<AlertPort>(...)); until then, and in headless runs, they go to the log.
class AlertPort
{
public:
    AlertPort() = default;
    explicit AlertPort(AppContext &) {}
    virtual ~AlertPort() = default;

    /// The shared message alert: the text and one button (service messages, validation texts).
    virtual void showMessage(const QString &text, const QString &button);
    /// A platform alert with an optional title, the text and one button.
    virtual void showAlert(const QString &title, const QString &text, const QString &button);

    /// The context's port (the logging default when none was installed).
    static AlertPort *port();
};
