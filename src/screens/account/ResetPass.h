#pragma once

#include "screens/account/Registration.h"

/// First step of a password reset: the registration's screen asking for a reset code, without
/// the terms line.
class ResetPass : public Registration
{
    Q_OBJECT
public:
    explicit ResetPass(QObject *parent = nullptr) : Registration(parent) {}

    bool termsShown() const override { return false; }

protected:
    void viewDidLoad() override;
    void requestCode(Request *request, const QString &mobile) override;
    RegistrationResult *makeResult() const override;
};
