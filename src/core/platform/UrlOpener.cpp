#include "core/platform/UrlOpener.h"

#include "core/platform/AppContext.h"

#include <QDebug>

bool UrlOpener::openURL(const QUrl &url)
{
    qInfo().noquote() << "open address:" << url.toString();
    return false;
}

UrlOpener *UrlOpener::opener()
{
    return AppContext::current()->service<UrlOpener>();
}
