#include "screens/account/UserLogin.h"

#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/session/Socket.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"

#include <QTimer>

namespace {
const QString kLoginSuccessInfo = QStringLiteral("LoginSuccessInfo");
const QString kLoginFailedInfo = QStringLiteral("LoginFailedInfo");
const QString kSocketDismissConnect = QStringLiteral("SocketDismissConnect");
const QString kBadNumber = QStringLiteral("手机号码格式不正确");
const QString kNetworkTrouble = QStringLiteral("网络状态不太好哦，请稍后重新尝试登录！");
} // namespace

UserLogin::UserLogin(QObject *parent) : SuperController(parent) {}

void UserLogin::setUserText(const QString &text)
{
    if (m_userText == text && m_userText.isNull() == text.isNull())
        return;
    m_userText = text;
    emit userTextChanged();
}

void UserLogin::setPassText(const QString &text)
{
    if (m_passText == text && m_passText.isNull() == text.isNull())
        return;
    m_passText = text;
    emit passTextChanged();
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
    setUserText(user->userTel());
    setPassText(user->userPass());
    if (NavigationStack *stack = navigationController())
        connect(stack, &NavigationStack::viewControllersChanged, this, &UserLogin::updateAppearance);
    // A screen that is the root of a new (modal) stack sees no change of that stack; it
    // appears once the presentation is done.
    QTimer::singleShot(0, this, &UserLogin::updateAppearance);
}

void UserLogin::didLeaveStack()
{
    SuperController::didLeaveStack();
    viewWillDisappear();
}

bool UserLogin::isOnTop() const
{
    const NavigationStack *stack = navigationController();
    return stack && stack->topViewController() == this;
}

void UserLogin::updateAppearance()
{
    if (isOnTop())
        viewWillAppear();
    else
        viewWillDisappear();
}

void UserLogin::viewWillAppear()
{
    if (m_appeared)
        return;
    m_appeared = true;
    if (context().service<UserInfo>()->isOnline()) {
        if (UserLoginDelegate *d = delegate())
            d->loginDidFinish(this);
        // The opener usually closes the screen here; a closed screen must not start observing.
        if (!isOnTop())
            return;
    }
    NotificationCenter *center = context().notificationCenter();
    auto answer = [this](const Notification &n) { loginResultHandle(n.object); };
    center->addObserver(this, kLoginSuccessInfo, answer);
    center->addObserver(this, kLoginFailedInfo, answer);
    center->addObserver(this, kSocketDismissConnect, [this](const Notification &) { socketWillDismiss(); });
}

void UserLogin::viewWillDisappear()
{
    if (!m_appeared)
        return;
    m_appeared = false;
    NotificationCenter *center = context().notificationCenter();
    center->removeObserver(this, kLoginSuccessInfo);
    center->removeObserver(this, kLoginFailedInfo);
    center->removeObserver(this, kSocketDismissConnect);
}

void UserLogin::login()
{
    if (m_userText.isEmpty() || m_userText.size() != 11) {
        Custom::messageWithString(kBadNumber);
        return;
    }
    if (m_passText.isEmpty()) {
        Custom::messageWithString(QStringLiteral("密码不能为空"));
        return;
    }
    setRequesting(true);
    textFieldInputDidFinish();
    showActivity();
    context().service<Socket>()->userlogin(m_userText, m_passText);
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
    user->setUserPass(m_passText);
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

void UserLogin::textFieldInputDidFinish()
{
    emit keyboardHidden();
}

void UserLogin::touchesBackground()
{
    textFieldInputDidFinish();
}

void UserLogin::popViewController()
{
    SuperController::popViewController();
    if (UserLoginDelegate *d = delegate())
        d->loginDidCancel();
}

void UserLogin::didSelectRow(int row)
{
    textFieldInputDidFinish();
    // The registration and password-reset screens come with the account screens; each is
    // pushed here with this screen as its delegate.
    (void)row;
}
