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
/// The window picks the page by class name, walking up the class chain (`pageNames`), so a
/// screen without a page of its own is drawn by its base class's page.
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

    /// The stack this screen is on (through its parent screen when it is a tab's content).
    NavigationStack *navigationController() const;
    /// The tab shell, when the screen's stack is one of its tabs (not a modal stack).
    MainTabBarController *tabBarController() const;
    bool isInTabShell() const { return tabBarController() != nullptr; }
    /// The screen that shows this one as part of itself (a tab of a BusinessTabBar), or null.
    ViewController *parentViewController() const { return m_parentController; }
    void setParentViewController(ViewController *parent) { m_parentController = parent; }

    bool isViewLoaded() const { return m_viewLoaded; }
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

protected:
    /// Set-up when the view loads; subclasses call their base first.
    virtual void viewDidLoad() {}
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
    QPointer<NavigationStack> m_navigation;
    QPointer<ViewController> m_parentController;
    TabBarItem *m_tabBarItem = nullptr;
    OverlayLayer *m_subviews;
};
