#pragma once

#include "screens/account/RegistrationResult.h"

/// Second step of a password reset. The account's password becomes a fresh random one that is
/// never shown or kept, so a reset left before the new password is set leaves an account
/// nobody can guess into; the user then sets the password on UpdatePass with the same code.
class ResetPassResult : public RegistrationResult
{
    Q_OBJECT
public:
    explicit ResetPassResult(QObject *parent = nullptr) : RegistrationResult(parent) {}

    QString submitTitle() const override { return QStringLiteral("重置密码"); }
    /// A password nobody knows: 24 characters from the system's random source.
    static QString interimPassword();

protected:
    void viewDidLoad() override;
    void submit(Request *request, const QString &code) override;
    QString doneText() const override;
};
