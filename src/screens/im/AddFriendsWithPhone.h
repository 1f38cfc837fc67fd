#pragma once

#include "app/SuperController.h"

/// Adding a friend by a typed mobile number.
class AddFriendsWithPhone : public SuperController
{
    Q_OBJECT
public:
    explicit AddFriendsWithPhone(QObject *parent = nullptr);

    /// Sends the request (the channel must be up); the button, and Return in the number field.
    Q_INVOKABLE void sure();

protected:
    void viewDidLoad() override;

private:
    void alertButton(int index);
};
