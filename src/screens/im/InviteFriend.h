#pragma once

#include "app/SuperController.h"

/// Inviting people to install the client: a list of mobile numbers sent to the service.
class InviteFriend : public SuperController
{
    Q_OBJECT
public:
    explicit InviteFriend(QObject *parent = nullptr);

    /// Sends the invitation (after a login when needed).
    Q_INVOKABLE void tellMyFriend();

    static QString placeholder() { return QStringLiteral("请输入手机号，多个号码请使用【逗号】隔开。"); }

protected:
    void viewDidLoad() override;
};
