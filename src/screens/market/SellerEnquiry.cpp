#include "screens/market/SellerEnquiry.h"

#include <QDebug>

// The chat screens are their own area of the app; until a build carries them the enquiry is
// logged and goes nowhere.
#if __has_include("screens/im/ChatOpener.h")
#include "screens/im/ChatOpener.h"
#define VELMORA_HAS_CHAT_SCREENS 1
#else
#define VELMORA_HAS_CHAT_SCREENS 0
#endif

bool SellerEnquiry::open(ViewController *from, const QVariantMap &resource)
{
#if VELMORA_HAS_CHAT_SCREENS
    ChatOpener::openEnquiry(from, resource);
    return true;
#else
    Q_UNUSED(from)
    qInfo() << "seller enquiry: no chat screens in this build for resource" << resource.value(QStringLiteral("ID"));
    return false;
#endif
}
