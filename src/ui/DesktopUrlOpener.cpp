#include "ui/DesktopUrlOpener.h"

#include <QDebug>
#include <QDesktopServices>

bool DesktopUrlOpener::openURL(const QUrl &url)
{
    const bool taken = QDesktopServices::openUrl(url);
    if (!taken)
        qInfo().noquote() << "no handler for" << url.toString();
    return taken;
}
