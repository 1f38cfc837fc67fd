#include "screens/account/RegistrationResult.h"

#include "app/CustomIOS7AlertView.h"
#include "screens/account/UpdatePass.h"

RegistrationResult::RegistrationResult(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("code"), FormField::Digits, QStringLiteral("验证码不能为空"), 8)
        ->setLabel(QStringLiteral("验证码："));
    connect(form(), &Form::submitted, this, &RegistrationResult::done);
}

void RegistrationResult::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("注  册"));
}

void RegistrationResult::done()
{
    form()->closeKeyboard();
    if (!form()->check())
        return;
    const QString code = form()->text(QStringLiteral("code"));
    if (Request *request = m_submit.start(this, [this, code](const ServiceReply &) {
            m_code = code;
            auto *dialog = new CustomIOS7AlertView(QStringLiteral("现在就去"), doneText());
            dialog->setDelegate(this);
            dialog->show();
        }))
        submit(request, code);
}

void RegistrationResult::submit(Request *request, const QString &code)
{
    request->userRegister(m_phoneNumber, code, this);
}

QString RegistrationResult::doneText() const
{
    return QStringLiteral("手机号：%1已完成注册，请到【我的账户】中设置新的登录密码。").arg(m_phoneNumber);
}

void RegistrationResult::customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *, int)
{
    auto *next = new UpdatePass;
    next->setPhoneNumber(m_phoneNumber);
    next->setCode(m_code);
    next->setDelegate(m_delegate);
    pushViewController(next);
}
