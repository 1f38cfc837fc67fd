#include "TestContext.h"

#include "app/MainTabBarController.h"
#include "app/NavigationStack.h"
#include "app/ViewController.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
QList<ViewController *> fill(NavigationStack &stack, int depth)
{
    QList<ViewController *> screens{stack.rootViewController()};
    for (int i = 1; i < depth; ++i) {
        auto *c = new ViewController;
        stack.pushViewController(c);
        screens.append(c);
    }
    return screens;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestNavigationStack : public QObject
{
    Q_OBJECT
private slots:
    void pops_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("remaining");
        QTest::newRow("pop") << 3 << "pop" << 0 << 2;
        QTest::newRow("pop the root only") << 1 << "pop" << 0 << 1;
        QTest::newRow("pop to root") << 4 << "root" << 0 << 1;
        QTest::newRow("pop to index 1") << 4 << "index" << 1 << 2;
        QTest::newRow("pop to the top index") << 3 << "index" << 2 << 3;
        QTest::newRow("pop to index out of range") << 3 << "index" << 7 << 3;
        QTest::newRow("pop to negative index") << 3 << "index" << -1 << 3;
        QTest::newRow("pop to screen 1") << 4 << "screen" << 1 << 2;
    }
    void pops()
    {
        QFETCH(int, depth);
        QFETCH(QString, operation);
        QFETCH(int, argument);
        QFETCH(int, remaining);
        TestContext ctx;
        NavigationStack stack(new ViewController);
        const QList<ViewController *> screens = fill(stack, depth);
        QList<QPointer<ViewController>> guards(screens.cbegin(), screens.cend());
        QSignalSpy popped(&stack, &NavigationStack::popped);

        if (operation == u"pop")
            stack.popViewController();
        else if (operation == u"root")
            stack.popToRootViewController();
        else if (operation == u"index")
            stack.popToIndex(argument);
        else
            stack.popToViewController(screens.at(argument));

        QCOMPARE(stack.depth(), remaining);
        QCOMPARE(stack.viewControllers(), screens.mid(0, remaining));
        QCOMPARE(popped.size(), remaining == depth ? 0 : 1);
        if (!popped.isEmpty())
            QCOMPARE(popped.first().first().toInt(), remaining);
        flushDeletes();
        for (int i = 0; i < depth; ++i)
            QCOMPARE(guards.at(i).isNull(), i >= remaining);
    }

    void pushLoadsAndOwns()
    {
        TestContext ctx;
        NavigationStack stack(new ViewController);
        QSignalSpy pushed(&stack, &NavigationStack::pushed);
        auto *screen = new ViewController;
        stack.pushViewController(screen);
        stack.pushViewController(screen);   // already there: ignored
        QCOMPARE(pushed.size(), 1);
        QVERIFY(screen->isViewLoaded());
        QCOMPARE(screen->navigationController(), &stack);
        QCOMPARE(screen->parent(), &stack);
        QCOMPARE(stack.topViewController(), screen);
        delete screen;   // a deleted screen leaves the stack
        QCOMPARE(stack.depth(), 1);
    }

    void presentAndDismiss()
    {
        TestContext ctx;
        MainTabBarController shell;
        auto *root = new ViewController;
        shell.setViewControllers({root});
        NavigationStack *tab = shell.viewControllers().first();
        QCOMPARE(root->tabBarController(), &shell);

        auto *login = new ViewController;
        NavigationStack *modal = root->presentViewController(login);
        QVERIFY(modal);
        QCOMPARE(tab->presentedStack(), modal);
        QCOMPARE(modal->rootViewController(), login);
        QCOMPARE(login->navigationController(), modal);
        QVERIFY(login->isViewLoaded());
        QVERIFY(!login->isInTabShell());

        // A second presentation goes on top of the first.
        auto *chat = new ViewController;
        NavigationStack *second = root->presentViewController(chat);
        QCOMPARE(modal->presentedStack(), second);

        QPointer<NavigationStack> modalGuard(modal), secondGuard(second);
        chat->dismissViewController();     // closes the stack chat is in
        QVERIFY(!modal->presentedStack());
        QVERIFY(tab->presentedStack());
        login->dismissViewController();
        QVERIFY(!tab->presentedStack());
        flushDeletes();
        QVERIFY(modalGuard.isNull());
        QVERIFY(secondGuard.isNull());
    }

    // Dismissing from the presenter closes every modal above it, and the screen under them (the
    // login screen, say) comes back into view, so that it refreshes and listens again.
    void screenUnderDismissedModalsAppearsAgain()
    {
        TestContext ctx;
        auto *root = new ViewController;
        NavigationStack stack(root);
        root->loadViewIfNeeded();
        stack.updateAppearance();
        QVERIFY(root->isAppeared());
        root->presentViewController(new ViewController);
        root->presentViewController(new ViewController);
        QVERIFY(!root->isAppeared());
        root->dismissViewController();
        QVERIFY(!stack.presentedStack());
        QVERIFY(root->isAppeared());
    }
};

QTEST_GUILESS_MAIN(TestNavigationStack)
#include "tst_navigationstack.moc"
