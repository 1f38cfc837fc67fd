#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class MainTabBarController;
class ViewController;

/// The stack of screens of one tab (or of one modal presentation). It owns its screens: a
/// popped screen is deleted once control returns to the event loop, so it loses its state as
/// it would on the phone. The window mirrors the stack with a page stack of its own
/// (NavStackView.qml), driven by the pushed / popped signals.
class NavigationStack : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> viewControllers READ viewControllerObjects NOTIFY viewControllersChanged)
    Q_PROPERTY(int depth READ depth NOTIFY viewControllersChanged)
    Q_PROPERTY(QObject *topViewController READ topViewControllerObject NOTIFY viewControllersChanged)
    Q_PROPERTY(NavigationStack *presentedStack READ presentedStack NOTIFY presentedStackChanged)

public:
    /// A stack with root as its first screen (may be null: filled by push).
    explicit NavigationStack(ViewController *root = nullptr, QObject *parent = nullptr);
    ~NavigationStack() override;

    QList<ViewController *> viewControllers() const;
    QList<QObject *> viewControllerObjects() const;
    int depth() const { return int(m_controllers.size()); }
    ViewController *rootViewController() const;
    ViewController *topViewController() const;
    QObject *topViewControllerObject() const;
    int indexOf(const ViewController *controller) const;

    /// Puts a screen on top, loads its view and takes ownership.
    void pushViewController(ViewController *controller);
    /// Pops the top screen; the root stays.
    void popViewController();
    void popToRootViewController();
    /// Pops every screen above controller; nothing when it is not on this stack.
    void popToViewController(ViewController *controller);
    /// Keeps the screens 0..index.
    void popToIndex(int index);

    /// Presents controller modally as the root of a new stack owned by this one; a stack
    /// presents at most one other at a time, a second presentation goes on top of the first.
    NavigationStack *presentViewController(ViewController *controller);
    NavigationStack *presentedStack() const { return m_presented; }
    NavigationStack *presentingStack() const { return m_presenting; }
    /// Closes what this stack presented or, when it presented nothing, this stack itself.
    void dismissViewController();

    /// True once this (modal) stack has been dismissed; its screens are leaving.
    bool isDismissed() const { return m_dismissed; }
    /// Tells every screen of this stack, and of what it presented, to re-evaluate whether it
    /// is in view.
    void updateAppearance();

    /// The tab shell, for a tab's stack; null for modal stacks.
    MainTabBarController *tabBarController() const;
    void setTabBarController(MainTabBarController *shell);

signals:
    void viewControllersChanged();
    /// A screen was put on top.
    void pushed(QObject *controller);
    /// Screens were popped; depth screens remain.
    void popped(int depth);
    void presentedStackChanged();

private:
    void adopt(ViewController *controller);
    void dismissPresented();
    void leaveAll();

    QList<QPointer<ViewController>> m_controllers;
    QPointer<NavigationStack> m_presented;
    QPointer<NavigationStack> m_presenting;
    QPointer<MainTabBarController> m_tabBarController;
    bool m_dismissed = false;
};
