#pragma once

#include <QVariantMap>

class ViewController;

/// The one place the market opens a conversation with a resource's seller ("旺旺洽谈"). The
/// caller has checked the login. It hands the resource record ("LoginInfoID", "ID", "mobile")
/// to the chat screens' enquiry, which refuses the user's own resource.
class SellerEnquiry
{
public:
    /// False when this build has no chat screens to open.
    static bool open(ViewController *from, const QVariantMap &resource);
};
