#include "screens/account/ResetPass.h"

#include "screens/account/ResetPassResult.h"

void ResetPass::viewDidLoad()
{
    Registration::viewDidLoad();
    setTitle(QStringLiteral("忘记密码"));
}

void ResetPass::requestCode(Request *request, const QString &mobile)
{
    request->getUserCode(mobile, this);
}

RegistrationResult *ResetPass::makeResult() const
{
    return new ResetPassResult;
}
