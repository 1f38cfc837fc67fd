#pragma once

#include "app/CustomIOS7AlertViewDelegate.h"
#include "app/SubmitGuard.h"
#include "app/SuperController.h"

#include <QPointer>

/// Second step of a registration: the code the service sent to the number. Once registered, a
/// dialog leads on to setting the password (UpdatePass). ResetPassResult resets instead.
class RegistrationResult : public SuperController, public CustomIOS7AlertViewDelegate
{
    Q_OBJECT
    Q_CLASSINFO("familyPage", "RegistrationResult")
    Q_PROPERTY(QString phoneNumber READ phoneNumber CONSTANT)
    Q_PROPERTY(QString sentText MEMBER m_sentText CONSTANT)
    Q_PROPERTY(QString hintLead MEMBER m_hintLead CONSTANT)
    Q_PROPERTY(QString hintSeconds MEMBER m_hintSeconds CONSTANT)
    Q_PROPERTY(QString hintTail MEMBER m_hintTail CONSTANT)
    Q_PROPERTY(QString submitTitle READ submitTitle CONSTANT)
public:
    explicit RegistrationResult(QObject *parent = nullptr);

    QString phoneNumber() const { return m_phoneNumber; }
    void setPhoneNumber(const QString &number) { m_phoneNumber = number; }
    ViewController *delegate() const { return m_delegate; }
    void setDelegate(ViewController *delegate) { m_delegate = delegate; }

    /// The submit button ("完成注册"): checks the code and sends it.
    Q_INVOKABLE void done();
    virtual QString submitTitle() const { return QStringLiteral("完成注册"); }

    /// The dialog's "现在就去": the password screen for this number and code.
    void customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *alertView, int buttonIndex) override;

protected:
    void viewDidLoad() override;
    /// Sends the code with the number.
    virtual void submit(Request *request, const QString &code);
    /// The dialog's text once the service has accepted the code.
    virtual QString doneText() const;

private:
    QString m_phoneNumber;
    QString m_code;
    QPointer<ViewController> m_delegate;
    SubmitGuard m_submit;
    QString m_sentText = QStringLiteral("我们已经发送了验证码到您的手机：");
    QString m_hintLead = QStringLiteral("接收验证码大约需要");
    QString m_hintSeconds = QStringLiteral("60");
    QString m_hintTail = QStringLiteral("秒");
};
