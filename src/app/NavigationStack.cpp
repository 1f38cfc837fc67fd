#include "app/NavigationStack.h"

#include "app/MainTabBarController.h"
#include "app/ViewController.h"

#include <QTimer>

NavigationStack::NavigationStack(ViewController *root, QObject *parent) : QObject(parent)
{
    connect(this, &NavigationStack::viewControllersChanged, this, &NavigationStack::updateAppearance);
    connect(this, &NavigationStack::presentedStackChanged, this, &NavigationStack::updateAppearance);
    if (root) {
        adopt(root);
        m_controllers.append(root);
    }
}

NavigationStack::~NavigationStack()
{
    // Screens go while the stack's members still exist (their destroyed handler reads them).
    const auto screens = m_controllers;
    m_controllers.clear();
    for (const QPointer<ViewController> &c : screens)
        delete c.data();
}

QList<ViewController *> NavigationStack::viewControllers() const
{
    QList<ViewController *> out;
    for (const auto &c : m_controllers) {
        if (c)
            out.append(c);
    }
    return out;
}

QList<QObject *> NavigationStack::viewControllerObjects() const
{
    QList<QObject *> out;
    for (ViewController *c : viewControllers())
        out.append(c);
    return out;
}

ViewController *NavigationStack::rootViewController() const
{
    return m_controllers.isEmpty() ? nullptr : m_controllers.first().data();
}

ViewController *NavigationStack::topViewController() const
{
    return m_controllers.isEmpty() ? nullptr : m_controllers.last().data();
}

QObject *NavigationStack::topViewControllerObject() const
{
    return topViewController();
}

int NavigationStack::indexOf(const ViewController *controller) const
{
    for (int i = 0; i < m_controllers.size(); ++i) {
        if (m_controllers.at(i) == controller)
            return i;
    }
    return -1;
}

void NavigationStack::adopt(ViewController *controller)
{
    controller->setParent(this);
    controller->m_navigation = this;
    // A screen that is deleted by its owner (or by a test) must not leave a dangling entry.
    connect(controller, &QObject::destroyed, this, [this] {
        const auto before = m_controllers.size();
        m_controllers.removeIf([](const QPointer<ViewController> &c) { return c.isNull(); });
        if (m_controllers.size() != before) {
            emit popped(depth());
            emit viewControllersChanged();
        }
    });
}

void NavigationStack::pushViewController(ViewController *controller)
{
    if (!controller || indexOf(controller) >= 0)
        return;
    adopt(controller);
    m_controllers.append(controller);
    controller->loadViewIfNeeded();
    emit pushed(controller);
    emit viewControllersChanged();
}

void NavigationStack::popViewController()
{
    popToIndex(depth() - 2);
}

void NavigationStack::popToRootViewController()
{
    popToIndex(0);
}

void NavigationStack::popToViewController(ViewController *controller)
{
    const int index = indexOf(controller);
    if (index >= 0)
        popToIndex(index);
}

void NavigationStack::popToIndex(int index)
{
    if (index < 0 || index >= depth() - 1)
        return;
    const QList<QPointer<ViewController>> gone = m_controllers.mid(index + 1);
    m_controllers.resize(index + 1);
    emit popped(depth());
    emit viewControllersChanged();
    // Deleted later, not now: the popping screen is usually still inside its own operation.
    for (const QPointer<ViewController> &c : gone) {
        if (c) {
            disconnect(c, &QObject::destroyed, this, nullptr);
            c->m_navigation = nullptr;
            c->updateAppearance();
            c->didLeaveStack();
            c->deleteLater();
        }
    }
}

NavigationStack *NavigationStack::presentViewController(ViewController *controller)
{
    if (!controller)
        return nullptr;
    if (m_presented)
        return m_presented->presentViewController(controller);
    auto *stack = new NavigationStack(controller, this);
    stack->m_presenting = this;
    m_presented = stack;
    controller->loadViewIfNeeded();
    emit presentedStackChanged();
    // The new stack's root comes into view once the presentation is done, not inside it: its
    // opener may still be setting it up.
    QTimer::singleShot(0, stack, &NavigationStack::updateAppearance);
    return stack;
}

void NavigationStack::dismissViewController()
{
    if (m_presented)
        dismissPresented();
    else if (m_presenting)
        m_presenting->dismissPresented();
}

void NavigationStack::dismissPresented()
{
    NavigationStack *stack = m_presented;
    if (!stack)
        return;
    m_presented = nullptr;
    stack->leaveAll();
    emit presentedStackChanged();
    stack->deleteLater();
}

void NavigationStack::leaveAll()
{
    m_dismissed = true;
    if (m_presented)
        m_presented->leaveAll();
    for (ViewController *c : viewControllers()) {
        c->updateAppearance();
        c->didLeaveStack();
    }
}

MainTabBarController *NavigationStack::tabBarController() const
{
    return m_tabBarController;
}

void NavigationStack::setTabBarController(MainTabBarController *shell)
{
    m_tabBarController = shell;
    if (shell)
        connect(shell, &MainTabBarController::selectedIndexChanged, this, &NavigationStack::updateAppearance);
}

void NavigationStack::updateAppearance()
{
    for (ViewController *c : viewControllers())
        c->updateAppearance();
    if (m_presented)
        m_presented->updateAppearance();
}
