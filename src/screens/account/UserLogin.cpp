#include "screens/account/UserLogin.h"
#include "screens/account/ResetPass.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"


namespace {
const QString kNetworkTrouble = QStringLiteral("网络状态不太好哦，请稍后重新尝试登录！");
} // namespace

UserLogin::UserLogin(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("user"), FormField::Phone, QStringLiteral("手机号码格式不正确"))->setMinLength(11)->setLabel(QStringLiteral(" 手机号码："));
    form()->add(QStringLiteral("pass"), FormField::Password, QStringLiteral("密码不能为空"))->setLabel(QStringLiteral(" 密       码："));
    connect(form(), &Form::submitted, this, &UserLogin::login);
}

void UserLogin::setRequesting(bool value)
{
    if (m_requesting == value)
        return;
    m_requesting = value;
    emit requestingChanged();
}

void UserLogin::setComfromOtherController(bool value)
{
    if (m_comfromOtherController == value)
        return;
    m_comfromOtherController = value;
    emit comfromOtherControllerChanged();
}

QVariantList UserLogin::rows() const
{
    return {
        QVariantMap{{QStringLiteral("title"), QStringLiteral("快速注册")}, {QStringLiteral("picture"), QStringLiteral("C30")}},
        QVariantMap{{QStringLiteral("title"), QStringLiteral("忘记密码")}, {QStringLiteral("picture"), QStringLiteral("C31")}},
    };
}

void UserLogin::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("登  录"));
    const UserInfo *user = context().service<UserInfo>();
    form()->field(QStringLiteral("user"))->setText(user->userTel());
    form()->field(QStringLiteral("pass"))->setText(user->userPass());
}

void UserLogin::viewWillAppear()
{
    SuperController::viewWillAppear();
    if (context().service<UserInfo>()->isOnline()) {
        if (UserLoginDelegate *d = delegate())
            d->loginDidFinish(this);
        // The opener usually closes the screen here; a closed screen must not start observing.
        if (!isAppeared())
            return;
    }
    NotificationCenter *center = context().notificationCenter();
    auto answer = [this](const Notification &n) {
        if (n.userInfo.value(NotificationNames::resumedKey).toBool())
            rememberedLoginAnswered();
        else
            loginResultHandle(n.object);
    };
    center->addObserver(this, NotificationNames::LoginSuccessInfo, answer);
    center->addObserver(this, NotificationNames::LoginFailedInfo, answer);
    center->addObserver(this, NotificationNames::SocketDismissConnect, [this](const Notification &) { socketWillDismiss(); });
}

void UserLogin::viewWillDisappear()
{
    SuperController::viewWillDisappear();
    NotificationCenter *center = context().notificationCenter();
    center->removeObserver(this, NotificationNames::LoginSuccessInfo);
    center->removeObserver(this, NotificationNames::LoginFailedInfo);
    center->removeObserver(this, NotificationNames::SocketDismissConnect);
}

void UserLogin::login()
{
    if (!form()->check())
        return;
    setRequesting(true);
    textFieldInputDidFinish();
    showActivity();
    context().service<Socket>()->userlogin(userText(), passText());
}

void UserLogin::loginResultHandle(const QVariant &reply)
{
    hideActivity();
    if (reply.typeId() != QMetaType::QVariantMap) {
        // No record to apply (the body was not a JSON object): reporting success here would
        // leave the user believing in a login that did not happen.
        Custom::messageWithString(kNetworkTrouble);
        setRequesting(false);
        return;
    }
    const QVariantMap map = reply.toMap();
    if (map.contains(QStringLiteral("ErrorCode"))) {
        // requesting stays set: the pending state ends with the next answer or a lost link.
        Custom::messageWithString(Value::text(map.value(QStringLiteral("Message"))));
        return;
    }
    UserInfo *user = context().service<UserInfo>();
    user->setBaseInfo(reply);
    user->setUserPass(passText());
    if (UserLoginDelegate *d = delegate())
        d->loginDidFinish(this);
    setRequesting(false);
}

// The channel's own login with the remembered record was answered and already applied (its
// refusal already told the user). Storing this screen's unsent entries, or telling the refusal
// again, would be wrong; the screen only closes when the user is now logged in.
void UserLogin::rememberedLoginAnswered()
{
    if (!context().service<UserInfo>()->isOnline())
        return;
    hideActivity();
    if (UserLoginDelegate *d = delegate())
        d->loginDidFinish(this);
    setRequesting(false);
}

void UserLogin::socketWillDismiss()
{
    hideActivity();
    if (m_requesting)
        Custom::messageWithString(kNetworkTrouble);
    setRequesting(false);
}

void UserLogin::didSelectRow(int row)
{
    textFieldInputDidFinish();
    Registration *next = row == 0 ? new Registration : row == 1 ? new ResetPass : nullptr;
    if (!next)
        return;
    // Both flows end back on this screen.
    next->setDelegate(this);
    pushViewController(next);
}
