#include "screens/market/FindItem.h"

#include "core/api/Request.h"
#include "core/session/UserInfo.h"
#include "core/util/Custom.h"

FindItem::FindItem(QObject *parent) : SuperController(parent) {}

void FindItem::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("手机找货"));
    if (UserInfo::info()->isOnline())
        setPhoneText(UserInfo::info()->userTel());
}

void FindItem::setPhoneText(const QString &text)
{
    if (text == m_phoneText)
        return;
    m_phoneText = text;
    emit phoneTextChanged();
}

void FindItem::beginFind()
{
    emit closeKeyboard();
    if (m_phoneText.isEmpty()) {
        Custom::messageWithString(QStringLiteral("手机号码不能为空"));
        return;
    }
    UserInfo *user = UserInfo::info();
    Request::request()
        ->onSuccess(this, [](const QVariant &) { Custom::messageWithString(receivedText()); })
        ->helpToMe(user->isOnline() ? user->userId() : QStringLiteral("0"), m_phoneText, this);
}
