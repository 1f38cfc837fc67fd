#include "screens/account/MyAccount.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"
#include "core/session/AccountSession.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/account/AccountInfo.h"
#include "screens/account/LoginGate.h"
#include "screens/account/MyMoney.h"
#include "screens/account/Settings.h"
#include "screens/account/SubmitCer.h"
#include "screens/account/UpdatePass.h"

MyAccount::MyAccount(QObject *parent) : SuperController(parent)
{
    // A tab root: there is nothing to go back to.
    setHiddenBackButton(true);
}

void MyAccount::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("我的账户"));
    // Covered by the login screen whenever nobody is logged in, a logout included; the user
    // shows each time the screen comes back into view.
    LoginGate::guard(this);
}

void MyAccount::viewWillAppear()
{
    SuperController::viewWillAppear();
    showUser();
}

void MyAccount::showUser()
{
    const UserInfo *user = context().service<UserInfo>();
    // Shown as "%@" shows them: a field the service left out reads "(null)", as it is stored.
    m_userName = Value::text(user->userName());
    m_userTel = Value::text(user->userTel());
    m_companyName = Value::text(user->companyName());
    m_certified = user->isVal() == 1;
    emit userChanged();
}

QString MyAccount::certifyTitle() const
{
    return m_certified ? QStringLiteral("已认证") : QStringLiteral("企业认证");
}

QVariantList MyAccount::sections() const
{
    static const char *const titles[] = {"个人中心", "我的资金", "修改密码", "系统设置", "退出登录"};
    QVariantList out;
    for (int section = Profile; section <= Logout; ++section)
        out.append(QVariantMap{{QStringLiteral("title"), QString::fromUtf8(titles[section - 1])},
                               {QStringLiteral("picture"), QStringLiteral("C14%1").arg(section)}});
    return out;
}

void MyAccount::didSelectSection(int section)
{
    switch (section) {
    case Profile:
        pushViewController(new AccountInfo);
        break;
    case Money:
        pushViewController(new MyMoney);
        break;
    case Password: {
        auto *change = new UpdatePass;
        change->setComfromAccount(true);
        change->setDelegate(this);
        pushViewController(change);
        break;
    }
    case SystemSettings:
        pushViewController(new Settings);
        break;
    case Logout:
        logoutPressed();
        break;
    default:
        break;
    }
}

void MyAccount::certifyPressed()
{
    if (context().service<UserInfo>()->isVal() == 1)
        return;
    pushViewController(new SubmitCer);
}

void MyAccount::logoutPressed()
{
    context().service<Alerts>()->showAlert({}, QStringLiteral("您是否将要退出登录并清空您的用户信息"),
                                           {QStringLiteral("取消"), QStringLiteral("确定")}, [](int index) {
                                               if (index == 1)
                                                   AccountSession::logout();
                                           });
}
