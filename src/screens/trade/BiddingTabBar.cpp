#include "screens/trade/BiddingTabBar.h"

#include "screens/account/LoginGate.h"
#include "screens/trade/AddBidding.h"
#include "screens/trade/BiddingDidOnline.h"
#include "screens/trade/BiddingUnDidOnline.h"

BiddingTabBar::BiddingTabBar(QObject *parent) : BusinessTabBar(parent) {}

void BiddingTabBar::viewDidLoad()
{
    BusinessTabBar::viewDidLoad();
    setTitle(QStringLiteral("我的招标管理"));
    const QStringList titles{QStringLiteral("已发布"), QStringLiteral("未发布")};
    for (int i = 0; i < titles.size(); ++i)
        addTitleButton(i, titles.at(i))->setSelected(i == 0);
    setViewControllers({new BiddingDidOnline, new BiddingUnDidOnline});
    setSelectedIndex(0);
    // The lists are the user's own: after a login they are asked for again, for that user.
    LoginGate::guard(this, [this] { reloadShownLists(); });
}

void BiddingTabBar::setType(int type)
{
    if (m_type == type)
        return;
    m_type = type;
    emit typeChanged();
}

void BiddingTabBar::reloadShownLists()
{
    for (ViewController *page : viewControllers())
        if (auto *list = qobject_cast<MyTenderList *>(page); list && list->isViewLoaded())
            list->reload();
}

void BiddingTabBar::addBtnPressed()
{
    auto *form = new AddBidding;
    form->setDelegate(this);
    pushViewController(form);
}

void BiddingTabBar::biddingAddDidFinished(AddBidding *)
{
    if (auto *unpublished = qobject_cast<MyTenderList *>(viewControllers().value(1)))
        unpublished->reload();
}
