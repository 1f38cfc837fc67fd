#include "app/BusinessTabBar.h"

BusinessTabBar::BusinessTabBar(QObject *parent) : ViewController(parent) {}

void BusinessTabBar::viewDidLoad()
{
    ViewController::viewDidLoad();
    setBackButtonShown(true);
    if (m_selectedIndex < 0 && !m_controllers.isEmpty())
        setSelectedIndex(0);
}

void BusinessTabBar::didLeaveStack()
{
    ViewController::didLeaveStack();
    for (ViewController *c : std::as_const(m_controllers))
        c->didLeaveStack();
}

void BusinessTabBar::setViewControllers(const QList<ViewController *> &controllers)
{
    qDeleteAll(m_controllers);
    m_controllers = controllers;
    for (ViewController *c : m_controllers) {
        c->setParent(this);
        c->setParentViewController(this);
    }
    m_selectedIndex = -1;
    emit viewControllersChanged();
    if (isViewLoaded() && !m_controllers.isEmpty())
        setSelectedIndex(0);
    else
        emit selectedIndexChanged();
}

QList<QObject *> BusinessTabBar::viewControllerObjects() const
{
    return {m_controllers.cbegin(), m_controllers.cend()};
}

void BusinessTabBar::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_controllers.size())
        return;
    m_controllers.at(index)->loadViewIfNeeded();
    if (m_selectedIndex == index)
        return;
    m_selectedIndex = index;
    emit selectedIndexChanged();
    updateAppearance();
}

ViewController *BusinessTabBar::selectedViewController() const
{
    return m_selectedIndex >= 0 && m_selectedIndex < m_controllers.size() ? m_controllers.at(m_selectedIndex) : nullptr;
}

ButtonModel *BusinessTabBar::addTitleButton(int tag, const QString &title)
{
    auto *button = new ButtonModel(tag, title, this);
    connect(button, &ButtonModel::clicked, this, &BusinessTabBar::titleButtonPressed);
    m_titleButtons.append(button);
    emit titleViewChanged();
    return button;
}

QList<QObject *> BusinessTabBar::titleViewObjects() const
{
    return {m_titleButtons.cbegin(), m_titleButtons.cend()};
}

void BusinessTabBar::titleButtonPressed(ButtonModel *button)
{
    for (ButtonModel *b : std::as_const(m_titleButtons))
        b->setSelected(b == button);
    setSelectedIndex(button->tag());
}
