#pragma once

#include "app/NavigationStack.h"
#include "app/TabBarButton.h"
#include "app/ViewController.h"
#include "core/util/WeakDelegate.h"

#include <QPointer>

#include "app/MainTabBarControllerDelegate.h"
struct Notification;

/// The window's root: one navigation stack per tab and, instead of the platform tab bar, a row
/// of at most five buttons with a red marker under the selected one. Every tab-item badge in
/// the system ends up on the button at index 2 (the messages tab).
class MainTabBarController : public ViewController
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> items READ itemObjects NOTIFY itemsChanged)
    Q_PROPERTY(QList<QObject *> tabs READ tabObjects NOTIFY tabsChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(int buttonWidth READ buttonWidth NOTIFY itemsChanged)
    Q_PROPERTY(int clickLineX READ clickLineX NOTIFY selectedIndexChanged)
    Q_PROPERTY(QString backColor READ backColor NOTIFY backColorChanged)
public:
    explicit MainTabBarController(QObject *parent = nullptr);
    ~MainTabBarController() override;

    /// The tab roots, each put on a stack of its own; the shell takes ownership.
    void setViewControllers(const QList<ViewController *> &roots);
    QList<NavigationStack *> viewControllers() const { return m_tabs; }
    QList<QObject *> tabObjects() const;
    /// The screen of tab index (the root of its stack), or null.
    ViewController *getViewControllerWithIndex(int index) const;

    QList<TabBarButton *> items() const { return m_items; }
    QList<QObject *> itemObjects() const;
    /// The badge of button index, or null while the row is not built.
    MyBadgeView *badgeViewAt(int index) const;

    int selectedIndex() const { return m_selectedIndex; }
    NavigationStack *selectedViewController() const;
    int buttonWidth() const { return m_buttonWidth; }
    int clickLineX() const { return m_selectedIndex < 0 ? 0 : m_selectedIndex * m_buttonWidth; }

    void selectedItem(TabBarButton *button);
    Q_INVOKABLE void pressedItemFromButtonTag(int tag);
    /// Escape: answers a notice laid over the screen on top (its cancel button, or the one the
    /// notice names for Escape); else what that screen's back button does, when it shows one.
    /// Says whether it did.
    Q_INVOKABLE bool goBack();
    /// F5: loads the lists of the screen on top again; false when it shows none.
    Q_INVOKABLE bool reloadFront();

    /// Observer of "setBadgeValue": the object's text goes on the button at index 2.
    void setBadge(const Notification &notification);
    void setTabBarBackGroundColor(const QString &color);
    QString backColor() const { return m_backColor; }

    MainTabBarControllerDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(MainTabBarControllerDelegate *delegate) { m_delegate.set(delegate); }

    static constexpr int kMaxButtons = 5;
    static constexpr int kBadgeButtonIndex = 2;
    static constexpr int kButtonRowHeight = 49;

signals:
    void itemsChanged();
    void tabsChanged();
    void selectedIndexChanged();
    void backColorChanged();

protected:
    void viewDidLoad() override;

private:
    /// The screen on top of the selected tab, past any screen presented over it.
    ViewController *frontScreen() const;
    void buildButtonRow();

    QList<NavigationStack *> m_tabs;
    QList<TabBarButton *> m_items;
    int m_selectedIndex = -1;
    int m_buttonWidth = 0;
    QString m_backColor = QStringLiteral("#ffffff");
    WeakDelegate<MainTabBarControllerDelegate> m_delegate;
};
