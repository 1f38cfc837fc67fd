#pragma once

#include "core/platform/UrlOpener.h"

/// Addresses go to the desktop's handlers (QDesktopServices): a "tel:" address reaches whatever
/// softphone the desktop has registered for it.
class DesktopUrlOpener : public UrlOpener
{
public:
    bool openURL(const QUrl &url) override;
};
