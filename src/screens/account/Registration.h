#pragma once

#include "app/SubmitGuard.h"
#include "app/SuperController.h"

#include <QPointer>

class RegistrationResult;

/// First step of a registration: the mobile number the verification code goes to. The terms
/// line opens the terms of use. ResetPass is the same screen for a forgotten password.
class Registration : public SuperController
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "Registration")
    Q_PROPERTY(bool termsShown READ termsShown CONSTANT)
    Q_PROPERTY(QString termsLead MEMBER m_termsLead CONSTANT)
    Q_PROPERTY(QString termsLink MEMBER m_termsLink CONSTANT)
    Q_PROPERTY(QString codeButtonTitle MEMBER m_codeButtonTitle CONSTANT)
public:
    explicit Registration(QObject *parent = nullptr);

    /// The screen the whole flow returns to at its end (the login screen).
    ViewController *delegate() const { return m_delegate; }
    void setDelegate(ViewController *delegate) { m_delegate = delegate; }

    /// "获取验证码": checks the number (11 characters) and asks for a code; the next step opens
    /// once the service has sent it.
    Q_INVOKABLE void get();
    /// The terms line: the terms of use in the reader.
    Q_INVOKABLE void showTerms();

    virtual bool termsShown() const { return true; }

protected:
    void viewDidLoad() override;
    /// Sends the code request for the number.
    virtual void requestCode(Request *request, const QString &mobile);
    /// The next screen of the flow.
    virtual RegistrationResult *makeResult() const;

private:
    QPointer<ViewController> m_delegate;
    SubmitGuard m_submit;
    QString m_termsLead = QStringLiteral("继续注册表明您已阅读并同意");
    QString m_termsLink = QStringLiteral("《使用条款和隐私政策》");
    QString m_codeButtonTitle = QStringLiteral("获取验证码");
};
