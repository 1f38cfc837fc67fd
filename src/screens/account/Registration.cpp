#include "screens/account/Registration.h"

#include "screens/account/RegistrationResult.h"
#include "screens/info/OpenWebsite.h"

Registration::Registration(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("user"), FormField::Phone, QStringLiteral("手机号码格式不正确"))
        ->setMinLength(11)
        ->setLabel(QStringLiteral(" 手机号码："));
    connect(form(), &Form::submitted, this, &Registration::get);
}

void Registration::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("注  册"));
}

void Registration::get()
{
    form()->closeKeyboard();
    if (!form()->check())
        return;
    const QString mobile = form()->text(QStringLiteral("user"));
    Request *request = m_submit.start(this, [this, mobile](const ServiceReply &) {
        RegistrationResult *next = makeResult();
        next->setPhoneNumber(mobile);
        next->setDelegate(m_delegate);
        pushViewController(next);
    });
    if (request)
        requestCode(request, mobile);
}

void Registration::requestCode(Request *request, const QString &mobile)
{
    request->getUserCode1(mobile, this);
}

RegistrationResult *Registration::makeResult() const
{
    return new RegistrationResult;
}

void Registration::showTerms()
{
    form()->closeKeyboard();
    auto *page = new OpenWebsite;
    page->setUrlString(OpenWebsite::termsPage());
    pushViewController(page);
}
