#include "screens/account/UpdatePass.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"
#include "screens/account/UserLogin.h"

UpdatePass::UpdatePass(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("pass"), FormField::Password, QStringLiteral("密码不能为空"), 32)
        ->setLabel(QStringLiteral(" 新  密  码："));
    form()->add(QStringLiteral("confirm"), FormField::Password, {}, 32)->setLabel(QStringLiteral(" 确认密码："));
    connect(form(), &Form::submitted, this, &UpdatePass::update);
}

void UpdatePass::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("设置新的密码"));
}

void UpdatePass::update()
{
    if (!form()->check())
        return;
    const QString password = form()->text(QStringLiteral("pass"));
    if (form()->text(QStringLiteral("confirm")) != password) {
        Custom::messageWithString(QStringLiteral("两次输入密码不一致"));
        return;
    }
    form()->closeKeyboard();
    Request *request = m_submit.start(this, [this, password](const ServiceReply &reply) { changed(reply, password); });
    if (!request)
        return;
    if (m_comfromAccount)
        request->updatePassword(context().service<UserInfo>()->userId(), password, this);
    else
        request->updatePassword(m_phoneNumber, password, m_code, this);
}

void UpdatePass::changed(const ServiceReply &reply, const QString &password)
{
    UserInfo *user = context().service<UserInfo>();
    // The remembered password logs in at the next start: left as the old one, that login would
    // be refused and the account record wiped.
    if (m_comfromAccount)
        user->setUserPass(password);
    context().service<Alerts>()->showAlert(QStringLiteral("友情提示"), reply.message, {QStringLiteral("确定")},
                                           [self = QPointer<UpdatePass>(this)](int) {
                                               if (self)
                                                   self->returnToDelegate();
                                           });
}

void UpdatePass::returnToDelegate()
{
    NavigationStack *stack = navigationController();
    if (!stack)
        return;
    // Back on the login screen, the number just registered or reset is the one to log in with.
    if (auto *login = qobject_cast<UserLogin *>(m_delegate.data())) {
        login->form()->field(QStringLiteral("user"))->setText(m_phoneNumber);
        login->form()->field(QStringLiteral("pass"))->setText(QString());
    }
    if (m_delegate && stack->indexOf(m_delegate) >= 0)
        stack->popToViewController(m_delegate);
    else
        stack->popToRootViewController();
}
