#include "screens/market/FindItem.h"

#include "core/api/Request.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"

FindItem::FindItem(QObject *parent) : SuperController(parent)
{
    form()->add(QStringLiteral("phone"), FormField::Phone, QStringLiteral("手机号码不能为空"))
        ->setPlaceholder(QStringLiteral("请输入您的手机号，以方便我们联系您"));
    connect(form(), &Form::submitted, this, &FindItem::beginFind);
}

void FindItem::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("手机找货"));
    if (UserInfo::info()->isOnline())
        form()->field(QStringLiteral("phone"))->setText(UserInfo::info()->userTel());
}

void FindItem::beginFind()
{
    form()->closeKeyboard();
    if (!form()->check())
        return;
    UserInfo *user = UserInfo::info();
    Request::request()
        ->onSuccess(this, [](const QVariant &) { Custom::messageWithString(receivedText()); })
        ->helpToMe(user->isOnline() ? user->userId() : QStringLiteral("0"), form()->text(QStringLiteral("phone")), this);
}
