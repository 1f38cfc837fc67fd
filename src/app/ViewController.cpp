#include "app/ViewController.h"

#include "app/MainTabBarController.h"
#include "app/NavigationStack.h"
#include "app/OverlayLayer.h"
#include "app/OverlayView.h"
#include "app/TabBarItem.h"
#include "core/platform/AppContext.h"
#include "core/platform/NotificationCenter.h"

#include <QTimer>

ViewController::ViewController(QObject *parent)
    : QObject(parent), m_context(AppContext::current()), m_subviews(new OverlayLayer(this))
{
    connect(m_subviews, &OverlayLayer::changed, this, &ViewController::subviewsChanged);
}

ViewController::~ViewController() = default;

void ViewController::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged();
}

NavigationStack *ViewController::navigationController() const
{
    for (const ViewController *c = this; c; c = c->m_parentController) {
        if (c->m_navigation)
            return c->m_navigation;
    }
    return nullptr;
}

MainTabBarController *ViewController::tabBarController() const
{
    NavigationStack *stack = navigationController();
    return stack ? stack->tabBarController() : nullptr;
}

void ViewController::loadViewIfNeeded()
{
    if (m_viewLoaded)
        return;
    m_viewLoaded = true;
    viewDidLoad();
    emit viewLoadedChanged();
    // A tab root loads after its tab was selected; a pushed screen hears its stack change.
    QTimer::singleShot(0, this, &ViewController::updateAppearance);
}

void ViewController::updateAppearance()
{
    // An embedded screen is in view when every screen around it shows it and the outermost is
    // in view on its stack.
    bool shown = true;
    const ViewController *outer = this;
    for (; outer->m_parentController; outer = outer->m_parentController)
        shown = shown && outer->m_parentController->showsChild(outer);
    const NavigationStack *stack = outer->m_navigation;
    bool inView = shown && m_viewLoaded && stack && !stack->isDismissed() && stack->topViewController() == outer
                  && !stack->presentedStack();
    if (inView && stack->tabBarController())
        inView = stack->tabBarController()->selectedViewController() == stack;
    if (inView != m_appeared) {
        m_appeared = inView;
        if (inView) {
            viewWillAppear();
            // viewWillAppear may already have covered or closed the screen.
            if (m_appeared)
                emit appeared();
        } else
            viewWillDisappear();
    }
    // The screens inside follow, after this one: the ones hidden first, then the one shown.
    const QList<ViewController *> children = childViewControllers();
    for (ViewController *child : children)
        if (!showsChild(child))
            child->updateAppearance();
    for (ViewController *child : children)
        if (showsChild(child))
            child->updateAppearance();
}

TabBarItem *ViewController::tabBarItem()
{
    if (!m_tabBarItem)
        m_tabBarItem = new TabBarItem(context().notificationCenter(), this);
    return m_tabBarItem;
}

void ViewController::addSubview(OverlayView *view)
{
    m_subviews->add(view);
}

OverlayView *ViewController::viewWithTag(int tag) const
{
    return m_subviews->viewWithTag(tag);
}

QList<OverlayView *> ViewController::subviews() const
{
    return m_subviews->views();
}

QList<QObject *> ViewController::subviewObjects() const
{
    return m_subviews->objects();
}

void ViewController::pushViewController(ViewController *controller)
{
    if (NavigationStack *stack = navigationController())
        stack->pushViewController(controller);
}

NavigationStack *ViewController::presentViewController(ViewController *controller)
{
    NavigationStack *stack = navigationController();
    return stack ? stack->presentViewController(controller) : nullptr;
}

void ViewController::dismissViewController()
{
    if (NavigationStack *stack = navigationController())
        stack->dismissViewController();
}

void ViewController::popViewController()
{
    if (NavigationStack *stack = navigationController())
        stack->popViewController();
}

QStringList ViewController::pageNames() const
{
    QStringList names;
    for (const QMetaObject *mo = metaObject(); mo && mo != &QObject::staticMetaObject; mo = mo->superClass())
        names.append(QString::fromLatin1(mo->className()));
    return names;
}

void ViewController::setBackButtonShown(bool shown)
{
    if (m_backButtonShown == shown)
        return;
    m_backButtonShown = shown;
    emit backButtonShownChanged();
}

void ViewController::setBackgroundColor(const QString &color)
{
    if (m_backgroundColor == color)
        return;
    m_backgroundColor = color;
    emit backgroundColorChanged();
}
