#include "core/platform/UrlOpener.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"

#include <QDebug>

bool UrlOpener::openURL(const QUrl &url)
{
    qCInfo(lcApp).noquote() << "open address:" << url.toString();
    return false;
}

UrlOpener *UrlOpener::opener()
{
    return AppContext::current()->service<UrlOpener>();
}
