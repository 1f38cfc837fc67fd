#include "screens/account/ResetPassResult.h"

#include <QRandomGenerator>

void ResetPassResult::viewDidLoad()
{
    RegistrationResult::viewDidLoad();
    setTitle(QStringLiteral("忘记密码"));
}

QString ResetPassResult::interimPassword()
{
    static const QLatin1String kAlphabet("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789");
    QString out;
    for (int i = 0; i < 24; ++i)
        out += kAlphabet.at(QRandomGenerator::system()->bounded(int(kAlphabet.size())));
    return out;
}

void ResetPassResult::submit(Request *request, const QString &code)
{
    request->updatePassword(phoneNumber(), interimPassword(), code, this);
}

QString ResetPassResult::doneText() const
{
    return QStringLiteral("手机号：%1的密码已重置，到【我的账户】中设置新的登录密码。").arg(phoneNumber());
}
