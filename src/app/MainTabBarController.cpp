#include "app/MainTabBarController.h"

#include "app/FerroxAlert.h"

#include "app/PagedListModel.h"

#include "app/MainTabBarControllerDelegate.h"
#include "app/TabBarItem.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/ScreenMetrics.h"
#include "core/session/ChatManager.h"
#include "core/util/Value.h"
#include "core/platform/NotificationNames.h"

MainTabBarController::MainTabBarController(QObject *parent) : ViewController(parent) {}

MainTabBarController::~MainTabBarController()
{
    qDeleteAll(m_tabs);
}

void MainTabBarController::setViewControllers(const QList<ViewController *> &roots)
{
    qDeleteAll(m_tabs);
    m_tabs.clear();
    for (ViewController *root : roots) {
        auto *stack = new NavigationStack(root, this);
        stack->setTabBarController(this);
        m_tabs.append(stack);
    }
    emit tabsChanged();
    if (isViewLoaded())
        buildButtonRow();
}

QList<QObject *> MainTabBarController::tabObjects() const
{
    return {m_tabs.cbegin(), m_tabs.cend()};
}

ViewController *MainTabBarController::getViewControllerWithIndex(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs.at(index)->rootViewController() : nullptr;
}

QList<QObject *> MainTabBarController::itemObjects() const
{
    return {m_items.cbegin(), m_items.cend()};
}

MyBadgeView *MainTabBarController::badgeViewAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index)->badgeView() : nullptr;
}

NavigationStack *MainTabBarController::selectedViewController() const
{
    return m_selectedIndex >= 0 && m_selectedIndex < m_tabs.size() ? m_tabs.at(m_selectedIndex) : nullptr;
}

ViewController *MainTabBarController::frontScreen() const
{
    NavigationStack *stack = selectedViewController();
    while (stack && stack->presentedStack())
        stack = stack->presentedStack();
    return stack ? stack->topViewController() : nullptr;
}

bool MainTabBarController::reloadFront()
{
    ViewController *top = frontScreen();
    bool reloaded = false;
    // The screen's own lists and those of the pages it shows as tabs.
    for (PagedListModel *list : top ? top->findChildren<PagedListModel *>() : QList<PagedListModel *>()) {
        if (!list->fetched())
            continue;
        list->refresh();
        reloaded = true;
    }
    return reloaded;
}

bool MainTabBarController::goBack()
{
    ViewController *top = frontScreen();
    if (!top)
        return false;
    // A notice over the screen (or over the tab page it shows) stands in front of its back
    // button: Escape answers the notice, as the notice itself says.
    const QList<FerroxAlert *> notices = top->findChildren<FerroxAlert *>();
    for (auto it = notices.crbegin(); it != notices.crend(); ++it) {
        if ((*it)->inSuperview()) {
            (*it)->cancel();
            return true;
        }
    }
    if (!top->backButtonShown())
        return false;
    top->popViewController();
    return true;
}

void MainTabBarController::viewDidLoad()
{
    ViewController::viewDidLoad();
    context().notificationCenter()->addObserver(this, NotificationNames::setBadgeValue,
                                                [this](const Notification &n) { setBadge(n); });
    buildButtonRow();
    // The unread badge lives on this row, so the chat manager starts with it.
    context().service<ChatManager>();
}

void MainTabBarController::buildButtonRow()
{
    qDeleteAll(m_items);
    m_items.clear();
    const auto n = std::min<qsizetype>(m_tabs.size(), kMaxButtons);
    m_buttonWidth = n > 0 ? context().service<ScreenMetrics>()->width() / int(n) : 0;
    for (int i = 0; i < n; ++i) {
        ViewController *root = m_tabs.at(i)->rootViewController();
        auto *button = new TabBarButton(i, root ? root->tabBarItem()->title() : QString(), this);
        connect(button, &ButtonModel::clicked, this,
                [this](ButtonModel *b) { selectedItem(static_cast<TabBarButton *>(b)); });
        m_items.append(button);
    }
    m_selectedIndex = -1;
    emit itemsChanged();
    if (!m_items.isEmpty())
        selectedItem(m_items.first());
}

void MainTabBarController::selectedItem(TabBarButton *button)
{
    if (!button || !m_items.contains(button))
        return;
    for (TabBarButton *b : std::as_const(m_items))
        b->setSelected(b == button);
    const int index = button->tag();
    if (index < m_tabs.size()) {
        if (ViewController *top = m_tabs.at(index)->topViewController())
            top->loadViewIfNeeded();
    }
    if (m_selectedIndex != index) {
        m_selectedIndex = index;
        emit selectedIndexChanged();
    }
    if (MainTabBarControllerDelegate *d = m_delegate.get())
        d->tabBarControllerDidSelectViewController(this, getViewControllerWithIndex(index));
}

void MainTabBarController::pressedItemFromButtonTag(int tag)
{
    for (TabBarButton *b : std::as_const(m_items)) {
        if (b->tag() == tag) {
            selectedItem(b);
            return;
        }
    }
}

void MainTabBarController::setBadge(const Notification &notification)
{
    if (MyBadgeView *badge = badgeViewAt(kBadgeButtonIndex))
        badge->setBadgeValue(Value::isNone(notification.object) ? QString() : Value::text(notification.object));
}

void MainTabBarController::setTabBarBackGroundColor(const QString &color)
{
    if (m_backColor == color)
        return;
    m_backColor = color;
    emit backColorChanged();
}
