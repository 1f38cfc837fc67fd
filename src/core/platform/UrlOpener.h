#pragma once

#include <QUrl>

class AppContext;

/// Hands an address to the platform's handler: "tel:" dials, "http:" opens the browser. The app
/// installs the desktop implementation; the default only logs, so headless runs dial nobody.
class UrlOpener
{
public:
    UrlOpener() = default;
    explicit UrlOpener(AppContext &) {}
    virtual ~UrlOpener() = default;

    /// True when the platform took the address.
    virtual bool openURL(const QUrl &url);

    /// The context's opener (the logging default when none was installed).
    static UrlOpener *opener();
};
