#include "core/platform/AlertPort.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"

#include <QDebug>

void AlertPort::showMessage(const QString &text, const QString &button)
{
    qCInfo(lcApp).noquote() << "message alert:" << text << '[' + button + ']';
}

void AlertPort::showAlert(const QString &title, const QString &text, const QString &button)
{
    qCInfo(lcApp).noquote() << "alert:" << title << text << '[' + button + ']';
}

AlertPort *AlertPort::port()
{
    return AppContext::current()->service<AlertPort>();
}
