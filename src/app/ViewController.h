#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class AppContext;
class MainTabBarController;
class NavigationStack;
class OverlayLayer;
class OverlayView;
class TabBarItem;

/// A screen: the controller behind one page of the window. It holds what the page shows as
/// properties and the page calls its operations; the page itself has no logic.
///
/// The window draws it with the page named after its class (`pageNames` lists the class chain;
/// only the base classes of the app layer share the plain page).
class ViewController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool backButtonShown READ backButtonShown NOTIFY backButtonShownChanged)
    Q_PROPERTY(QString backgroundColor READ backgroundColor NOTIFY backgroundColorChanged)
    Q_PROPERTY(bool tapsBackground READ tapsBackground CONSTANT)
    Q_PROPERTY(QList<QObject *> subviews READ subviewObjects NOTIFY subviewsChanged)
    Q_PROPERTY(QStringList pageNames READ pageNames CONSTANT)
    Q_PROPERTY(bool viewLoaded READ isViewLoaded NOTIFY viewLoadedChanged)
    Q_PROPERTY(bool embedded READ isEmbedded NOTIFY embeddedChanged)

public:
    explicit ViewController(QObject *parent = nullptr);
    ~ViewController() override;

    /// The context the screen was created in; services and notifications go through it.
    AppContext &context() const { return *m_context; }

    QString title() const { return m_title; }
    /// The grey title label in the navigation bar.
    void setTitle(const QString &title);
    /// The same label for screens that keep the platform title (kept for the screens that call it).
    void setTitleText(const QString &text) { setTitle(text); }

    bool backButtonShown() const { return m_backButtonShown; }
    QString backgroundColor() const { return m_backgroundColor; }
    virtual bool tapsBackground() const { return false; }
    /// The user tapped the screen's background (only when tapsBackground); screens override it
    /// to close the keyboard.
    Q_INVOKABLE virtual void touchesBackground() {}

    /// The stack this screen is on (through its parent screen when it is a tab's content).
    NavigationStack *navigationController() const;
    /// The tab shell, when the screen's stack is one of its tabs (not a modal stack).
    MainTabBarController *tabBarController() const;
    bool isInTabShell() const { return tabBarController() != nullptr; }
    /// The screen that shows this one as part of itself (a tab of a BusinessTabBar), or null.
    ViewController *parentViewController() const { return m_parentController; }
    void setParentViewController(ViewController *parent)
    {
        m_parentController = parent;
        emit embeddedChanged();
    }
    /// Shown inside another screen (a tab of a BusinessTabBar): no navigation bar of its own.
    bool isEmbedded() const { return m_parentController != nullptr; }

    bool isViewLoaded() const { return m_viewLoaded; }
    /// In view: on top of its stack, nothing presented over that stack, and (for a tab's stack)
    /// its tab selected. viewWillAppear / viewWillDisappear mark the changes.
    bool isAppeared() const { return m_appeared; }
    /// Re-evaluates isAppeared; the stacks and the tab shell call it as they change.
    void updateAppearance();
    /// The screens shown inside this one (the tabs of a BusinessTabBar).
    virtual QList<ViewController *> childViewControllers() const { return {}; }
    /// Whether child, one of childViewControllers(), is the one shown now.
    virtual bool showsChild(const ViewController *child) const
    {
        Q_UNUSED(child);
        return true;
    }
    /// Runs viewDidLoad once, when the screen is first shown.
    void loadViewIfNeeded();

    /// The screen's item in the tab shell (title and badge), created on first use.
    TabBarItem *tabBarItem();

    /// Lays a view over the screen's content, on top (again on each call).
    void addSubview(OverlayView *view);
    OverlayView *viewWithTag(int tag) const;
    QList<OverlayView *> subviews() const;
    QList<QObject *> subviewObjects() const;
    OverlayLayer *overlayLayer() const { return m_subviews; }

    /// Pushes a screen onto this screen's stack (the stack takes ownership).
    void pushViewController(ViewController *controller);
    /// Presents a screen modally, as the root of a new stack of its own.
    NavigationStack *presentViewController(ViewController *controller);
    /// Closes the modal stack this screen presented or, when it has none, the one it is in.
    Q_INVOKABLE void dismissViewController();
    /// Leaves the screen: pops the top of its stack.
    Q_INVOKABLE virtual void popViewController();

    QStringList pageNames() const;

signals:
    void titleChanged();
    void backButtonShownChanged();
    void backgroundColorChanged();
    void subviewsChanged();
    void viewLoadedChanged();
    void embeddedChanged();
    /// The screen came into view, after its viewWillAppear (what a helper such as a login gate
    /// hooks on, whatever the screen's base class).
    void appeared();

protected:
    /// Set-up when the view loads; subclasses call their base first.
    virtual void viewDidLoad() {}
    /// The screen came into view / left it (pushed over, popped, tab switched, modal shown).
    virtual void viewWillAppear() {}
    virtual void viewWillDisappear() {}
    /// The screen was popped or its modal stack dismissed; it is deleted soon after.
    virtual void didLeaveStack() {}
    void setBackButtonShown(bool shown);
    void setBackgroundColor(const QString &color);

private:
    friend class NavigationStack;
    friend class BusinessTabBar;

    AppContext *m_context;
    QString m_title;
    bool m_backButtonShown = false;
    QString m_backgroundColor = QStringLiteral("#ffffff");
    bool m_viewLoaded = false;
    bool m_appeared = false;
    QPointer<NavigationStack> m_navigation;
    QPointer<ViewController> m_parentController;
    TabBarItem *m_tabBarItem = nullptr;
    OverlayLayer *m_subviews;
};
