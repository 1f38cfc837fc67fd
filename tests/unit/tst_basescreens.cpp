#include "ScreenHarness.h"

#include "app/BusinessTabBar.h"
#include "app/LoadingView.h"
#include "app/NavigationStack.h"
#include "app/SuperController.h"
#include "app/SuperTableViewController.h"
#include "core/platform/NotificationCenter.h"

#include <QPointer>
#include <QTest>

namespace {
template <class Base>
class Probe : public Base
{
public:
    int logouts = 0;
    void logout() override { ++logouts; }
};
using ProbeController = Probe<SuperController>;
using ProbeTable = Probe<SuperTableViewController>;

void postLogout(TestContext &ctx)
{
    ctx->notificationCenter()->postNotification(QStringLiteral("UserLogoutSystem"));
}
} // namespace

class TestBaseScreens : public QObject
{
    Q_OBJECT
private slots:

    void superControllerDiscardsOverlay()
    {
        ScreenHarness h;
        auto *screen = h.open(new SuperController);
        screen->showActivity();
        QPointer<LoadingView> first = screen->loading();
        auto *notice = new OverlayView(screen);
        screen->addSubview(notice);
        screen->showActivity();   // back on top of the notice, not added twice
        QCOMPARE(screen->subviews(), (QList<OverlayView *>{notice, first.data()}));
        screen->hideActivity();
        QVERIFY(!screen->loading());
        QCOMPARE(screen->subviews(), QList<OverlayView *>{notice});
        QTRY_VERIFY(first.isNull());
        screen->showActivity();
        QVERIFY(screen->loading());
    }

    void tableKeepsOverlayAndFades()
    {
        ScreenHarness h;
        auto *screen = h.open(new SuperTableViewController);
        screen->showActivity();
        LoadingView *overlay = screen->loading();
        screen->hideActivity();
        QCOMPARE(overlay->alpha(), 0.0);
        QVERIFY(overlay->inSuperview());    // still fading out
        QTRY_VERIFY(!overlay->inSuperview());
        QCOMPARE(screen->loading(), overlay);

        screen->showActivity();
        QCOMPARE(screen->loading(), overlay);
        QCOMPARE(overlay->alpha(), 1.0);
        screen->hideActivity();
        screen->showActivity();             // shown again before the fade ended
        QVERIFY(!overlay->isFading());
        QCOMPARE(overlay->alpha(), 1.0);
        QVERIFY(overlay->inSuperview());
    }

    // Observed from load until the screen leaves its stack.
    void logoutObservedWhileOnScreen_data()
    {
        QTest::addColumn<bool>("table");
        QTest::addColumn<bool>("viaPopViewController");
        QTest::newRow("controller, popViewController") << false << true;
        QTest::newRow("table, popViewController") << true << true;
        QTest::newRow("controller, pop to root") << false << false;
    }
    void logoutObservedWhileOnScreen()
    {
        QFETCH(bool, table);
        QFETCH(bool, viaPopViewController);
        TestContext ctx;
        NavigationStack stack(new SuperController);
        auto *controller = table ? nullptr : new ProbeController;
        auto *list = table ? new ProbeTable : nullptr;
        BaseScreen *screen = table ? static_cast<BaseScreen *>(list) : controller;
        const auto logouts = [&] { return table ? list->logouts : controller->logouts; };
        postLogout(ctx);
        stack.pushViewController(screen);
        postLogout(ctx);
        QCOMPARE(logouts(), 1);
        QPointer<BaseScreen> guard(screen);
        if (viaPopViewController)
            screen->popViewController();
        else
            stack.popToRootViewController();
        QCOMPARE(stack.depth(), 1);
        QVERIFY(guard);    // not yet deleted: it must still not react
        postLogout(ctx);
        QCOMPARE(logouts(), 1);
    }

    void businessTabBarButtonsSelectTabs()
    {
        TestContext ctx;
        NavigationStack stack(new SuperController);
        auto *bar = new BusinessTabBar;
        auto *first = new SuperTableViewController;
        auto *second = new ProbeTable;
        bar->setViewControllers({first, second});
        ButtonModel *a = bar->addTitleButton(0, QStringLiteral("A"));
        ButtonModel *b = bar->addTitleButton(1, QStringLiteral("B"));
        stack.pushViewController(bar);
        QVERIFY(bar->backButtonShown());
        QCOMPARE(bar->selectedIndex(), 0);
        QVERIFY(first->isViewLoaded());
        QVERIFY(!second->isViewLoaded());
        QCOMPARE(second->navigationController(), &stack);
        // Only the selected tab is in view, and only while its tab bar is.
        QTRY_VERIFY(bar->isAppeared() && first->isAppeared());

        b->press();
        QCOMPARE(bar->selectedIndex(), 1);
        QVERIFY(second->isViewLoaded());
        QVERIFY(b->isSelected() && !a->isSelected());
        QTRY_VERIFY(second->isAppeared());
        QVERIFY(!first->isAppeared());
        bar->pushViewController(new SuperController);
        QVERIFY(!second->isAppeared() && !first->isAppeared());
        stack.popViewController();
        QVERIFY(second->isAppeared() && !first->isAppeared());

        second->popViewController();    // a tab's screen leaves with its tab bar
        QCOMPARE(stack.depth(), 1);
        postLogout(ctx);
        QCOMPARE(second->logouts, 0);
    }
};

QTEST_GUILESS_MAIN(TestBaseScreens)
#include "tst_basescreens.moc"
