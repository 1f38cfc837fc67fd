#include "ui/DesktopUrlOpener.h"

#include "core/platform/Logging.h"

#include <QDebug>
#include <QDesktopServices>

bool DesktopUrlOpener::openURL(const QUrl &url)
{
    const bool taken = QDesktopServices::openUrl(url);
    if (!taken)
        qCInfo(lcUi).noquote() << "no handler for" << url.toString();
    return taken;
}
