#include "screens/resources/MyResureTabBar.h"

#include "screens/account/LoginGate.h"
#include "screens/resources/AddResure.h"
#include "screens/resources/ResureFirst.h"
#include "screens/resources/ResureThird.h"
#include "screens/resources/RuperSecond.h"

MyResureTabBar::MyResureTabBar(QObject *parent) : BusinessTabBar(parent) {}

void MyResureTabBar::viewDidLoad()
{
    BusinessTabBar::viewDidLoad();
    setTitle(QStringLiteral("我的资源管理"));
    const QStringList titles{QStringLiteral("已挂牌"), QStringLiteral("已定向"), QStringLiteral("未发布")};
    for (int i = 0; i < titles.size(); ++i)
        addTitleButton(i, titles.at(i))->setSelected(i == 0);
    setViewControllers({new ResureFirst, new RuperSecond, new ResureThird});
    // Every list loads now, not when its tab is first shown: a resource that moves reloads the
    // list it moved to, which then has its first page already.
    for (ViewController *page : viewControllers()) {
        static_cast<ResureList *>(page)->setDelegate(this);
        page->loadViewIfNeeded();
    }
    setSelectedIndex(0);
    // The lists are the user's own: after a login they are asked for again, for that user.
    LoginGate::guard(this, [this] {
        for (int i = 0; i < 3; ++i)
            reload(i);
    });
}

ResureList *MyResureTabBar::list(int index) const
{
    return qobject_cast<ResureList *>(viewControllers().value(index));
}

void MyResureTabBar::reload(int index)
{
    if (ResureList *l = list(index))
        l->resetTableViewData();
}

void MyResureTabBar::addBtnPressed()
{
    auto *form = new AddResure;
    form->setDelegate(this);
    pushViewController(form);
}

void MyResureTabBar::resureEditorDidFinished(AddResure *)
{
    if (titleButtons().size() > 2)
        titleButtonPressed(titleButtons().at(2));
    reload(2);
}

void MyResureTabBar::resourceBackDidFinished(ResureList *)
{
    reload(2);
}

void MyResureTabBar::directResourceBackDidFinished(ResureList *)
{
    reload(2);
}

void MyResureTabBar::resourceFabuDidFinished(ResureList *)
{
    reload(0);
}

void MyResureTabBar::directResourceFabuDidFinished(ResureList *)
{
    reload(1);
}
