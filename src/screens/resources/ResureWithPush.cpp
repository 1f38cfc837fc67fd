#include "screens/resources/ResureWithPush.h"

#include "app/FerroxAlert.h"
#include "app/NavigationStack.h"
#include "core/api/Request.h"
#include "screens/resources/MyResureTabBar.h"

ResureWithPush::ResureWithPush(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("mobile"), FormField::Phone, QStringLiteral("请输入接收人的手机号码"))
        ->setPlaceholder(QStringLiteral("接收人的手机号码"));
    connect(form(), &Form::submitted, this, &ResureWithPush::send);
}

void ResureWithPush::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("定向资源推送"));
}

void ResureWithPush::send()
{
    // Sent once: a second tap while the push is on its way, or after it went, sends nothing.
    if (m_sending || m_isFabu || !form()->check())
        return;
    form()->closeKeyboard();
    const QString mobile = form()->text(QStringLiteral("mobile"));
    m_sending = true;
    auto *request = Request::request(2000);
    request->onReply(this, [this, mobile](const ServiceReply &reply) {
        m_sending = false;
        if (!reply.alertUnlessOk())
            return;
        if (m_delegate)
            m_delegate->directResourceFabuWithPush(this);
        m_isFabu = true;
        auto *alert = new FerroxAlert(this);
        alert->setSDelegate(this);
        alert->showInView(this, QStringLiteral("定向资源已经成功推送给：%1，对方认购后，在【交易中的订单】中可见").arg(mobile));
    });
    request->onFailure(this, [this](const RequestError &) { m_sending = false; });
    request->releaseDirectResourceWithDelegate(this, m_resourceids, mobile);
}

void ResureWithPush::popViewController()
{
    if (m_isFabu)
        backToTabBar();
    else
        SuperController::popViewController();
}

void ResureWithPush::steelViewWillDisappear(FerroxAlert *)
{
    backToTabBar();
}

void ResureWithPush::backToTabBar()
{
    NavigationStack *stack = navigationController();
    if (!stack)
        return;
    // The detail under this screen showed a resource that has left the unpublished list.
    for (ViewController *screen : stack->viewControllers()) {
        if (qobject_cast<MyResureTabBar *>(screen)) {
            stack->popToViewController(screen);
            return;
        }
    }
    stack->popToIndex(1);
}
