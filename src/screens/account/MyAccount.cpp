#include "screens/account/MyAccount.h"

#include "app/Alerts.h"
#include "core/platform/AppContext.h"
#include "core/session/AccountSession.h"
#include "core/session/UserInfo.h"
#include "core/util/Value.h"
#include "screens/account/LoginGate.h"

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
    emit userChanged();
}

void MyAccount::logoutPressed()
{
    context().service<Alerts>()->showAlert({}, QStringLiteral("您是否将要退出登录并清空您的用户信息"),
                                           {QStringLiteral("取消"), QStringLiteral("确定")}, [](int index) {
                                               if (index == 1)
                                                   AccountSession::logout();
                                           });
}
