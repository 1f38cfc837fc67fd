#pragma once

#include "screens/im/FriendListScreen.h"

/// Pending friend requests, received and sent. Reloaded when the page loads, on every pull and
/// on "beijiahaoyou"; it changes only when the server confirms.
class StayWithFriendsViewController : public FriendListScreen
{
    Q_OBJECT
public:
    explicit StayWithFriendsViewController(QObject *parent = nullptr);

    /// A received request is accepted; other rows do nothing.
    void didSelectRowAtIndex(int index) override;

protected:
    void viewDidLoad() override;
    void fetch(Request *request) override;
    QString hudLabel() const override { return QStringLiteral("刷新中"); }
    QVariantMap rowFor(const QVariantMap &record) const override;
};
