#pragma once

#include "app/SubmitGuard.h"
#include "app/SuperController.h"

#include <QPointer>

/// Sets a new password: at the end of a registration or reset (by mobile number and code), or
/// for the logged-in user from the account screen. Confirmed, it returns to its delegate screen.
class UpdatePass : public SuperController
{
    Q_OBJECT
    Q_PROPERTY(QString submitTitle MEMBER m_submitTitle CONSTANT)
public:
    explicit UpdatePass(QObject *parent = nullptr);

    void setPhoneNumber(const QString &number) { m_phoneNumber = number; }
    void setCode(const QString &code) { m_code = code; }
    bool comfromAccount() const { return m_comfromAccount; }
    void setComfromAccount(bool value) { m_comfromAccount = value; }
    ViewController *delegate() const { return m_delegate; }
    void setDelegate(ViewController *delegate) { m_delegate = delegate; }

    /// "确认", and Return in the confirmation: both entries checked, then the password sent.
    Q_INVOKABLE void update();

protected:
    void viewDidLoad() override;

private:
    void changed(const ServiceReply &reply, const QString &password);
    void returnToDelegate();

    QString m_phoneNumber;
    QString m_code;
    bool m_comfromAccount = false;
    QPointer<ViewController> m_delegate;
    SubmitGuard m_submit;
    QString m_submitTitle = QStringLiteral("确认");
};
