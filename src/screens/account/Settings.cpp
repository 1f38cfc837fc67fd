#include "screens/account/Settings.h"

#include "core/platform/AppContext.h"
#include "core/session/UserInfo.h"

void Settings::viewDidLoad()
{
    SuperController::viewDidLoad();
    setTitle(QStringLiteral("系统功能设置"));
}

QVariantList Settings::rows() const
{
    const UserInfo *user = AppContext::current()->service<UserInfo>();
    return {
        QVariantMap{{QStringLiteral("title"), QStringLiteral("声音")}, {QStringLiteral("picture"), QStringLiteral("C45")},
                    {QStringLiteral("on"), user->soundSwitch()}},
        QVariantMap{{QStringLiteral("title"), QStringLiteral("震动")}, {QStringLiteral("picture"), QStringLiteral("C46")},
                    {QStringLiteral("on"), user->zdSwitch()}},
    };
}

void Settings::setSwitch(int section, bool on)
{
    UserInfo *user = context().service<UserInfo>();
    if (section == 0)
        user->setSoundSwitch(on);
    else if (section == 1)
        user->setZdSwitch(on);
    else
        return;
    emit rowsChanged();
}
