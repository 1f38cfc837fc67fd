#include "screens/account/MyMoney.h"

#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"

void MyMoney::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的资金"));
}

void MyMoney::viewWillAppear()
{
    SuperController::viewWillAppear();
    emit rowsChanged();
}

QVariantList MyMoney::rows() const
{
    const UserInfo *user = AppContext::current()->service<UserInfo>();
    const QString captions[] = {QStringLiteral("现金金额 :"), QStringLiteral("钢币数量 :"), QStringLiteral("保证金额 :")};
    const QString values[] = {user->userMoneyA(), user->userMoneyB(), user->userMoneyC()};
    QVariantList out;
    for (int section = 0; section < 3; ++section)
        out.append(QVariantMap{{QStringLiteral("caption"), captions[section]},
                               {QStringLiteral("value"), Value::text(values[section])},
                               {QStringLiteral("unit"), QStringLiteral("元")},
                               {QStringLiteral("picture"), QStringLiteral("C%1").arg(38 + section)}});
    return out;
}
