#pragma once

#include "screens/im/FriendListScreen.h"

/// All friends. Reloaded when the page loads, on every pull and when a friendship is confirmed;
/// logout empties it. Each successful load also replaces the chat model's friend list and the
/// stored friend table, which the conversation screen and the friend profile read.
class AllMyfriendsViewController : public FriendListScreen
{
    Q_OBJECT
public:
    explicit AllMyfriendsViewController(QObject *parent = nullptr);

    /// Opens the conversation with the friend about no resource.
    void didSelectRowAtIndex(int index) override;

protected:
    void viewDidLoad() override;
    void fetch(Request *request) override;
    QString hudLabel() const override { return QStringLiteral("获取好友列表中"); }
    QVariantMap rowFor(const QVariantMap &record) const override;
    void didLoad(const QVariantList &data) override;

private:
    void writeFriendTable(const QVariantList &friends);
};
