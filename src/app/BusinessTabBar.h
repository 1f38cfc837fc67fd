#pragma once

#include "app/ButtonModel.h"
#include "app/ViewController.h"

/// Base of the order and resource tab screens: a screen on a navigation stack that shows one of
/// several child screens. The platform tab bar is hidden; the subclasses put their own buttons
/// into the 320x44 `titleView` of the navigation bar, and a button selects the tab whose index
/// is its tag.
class BusinessTabBar : public ViewController
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> viewControllers READ viewControllerObjects NOTIFY viewControllersChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(QObject *selectedViewController READ selectedViewControllerObject NOTIFY selectedIndexChanged)
    Q_PROPERTY(QList<QObject *> titleView READ titleViewObjects NOTIFY titleViewChanged)
public:
    explicit BusinessTabBar(QObject *parent = nullptr);

    /// The tab screens, in order; the tab bar takes ownership.
    void setViewControllers(const QList<ViewController *> &controllers);
    QList<ViewController *> viewControllers() const { return m_controllers; }
    QList<ViewController *> childViewControllers() const override { return m_controllers; }
    bool showsChild(const ViewController *child) const override { return child == selectedViewController(); }
    QList<QObject *> viewControllerObjects() const;

    int selectedIndex() const { return m_selectedIndex; }
    /// Shows tab index (loading its view the first time); out of range does nothing.
    void setSelectedIndex(int index);
    ViewController *selectedViewController() const;
    QObject *selectedViewControllerObject() const { return selectedViewController(); }

    /// Adds a button to the title view; pressing it selects tab `tag` and makes it the only
    /// selected button.
    ButtonModel *addTitleButton(int tag, const QString &title);
    QList<ButtonModel *> titleButtons() const { return m_titleButtons; }
    QList<QObject *> titleViewObjects() const;

    static constexpr int kTitleViewWidth = 320;
    static constexpr int kTitleViewHeight = 44;

signals:
    void viewControllersChanged();
    void selectedIndexChanged();
    void titleViewChanged();

protected:
    void viewDidLoad() override;
    /// The tab screens leave with the tab bar.
    void didLeaveStack() override;
    /// A title-view button was pressed; the default selects its tab.
    virtual void titleButtonPressed(ButtonModel *button);

private:
    QList<ViewController *> m_controllers;
    QList<ButtonModel *> m_titleButtons;
    int m_selectedIndex = -1;
};
