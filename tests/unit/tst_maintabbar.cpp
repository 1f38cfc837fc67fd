#include "TestContext.h"

#include "app/MainTabBarController.h"
#include "app/MainTabBarControllerDelegate.h"
#include "app/TabBarItem.h"
#include "core/platform/NotificationCenter.h"

#include <QTest>
#include <memory>

namespace {
std::unique_ptr<MainTabBarController> shellWithTabs(int count)
{
    auto shell = std::make_unique<MainTabBarController>();
    QList<ViewController *> roots;
    for (int i = 0; i < count; ++i)
        roots.append(new ViewController);
    shell->setViewControllers(roots);
    shell->loadViewIfNeeded();
    return shell;
}

class SelectionRecorder : public MainTabBarControllerDelegate
{
public:
    QList<ViewController *> shown;
    void tabBarControllerDidSelectViewController(MainTabBarController *, ViewController *c) override
    {
        shown.append(c);
    }
};
} // namespace

class TestMainTabBar : public QObject
{
    Q_OBJECT
private slots:
    void buttonRow_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("buttons");
        QTest::newRow("six tabs, five buttons") << 6 << 5;
        QTest::newRow("four tabs") << 4 << 4;
        QTest::newRow("two tabs: no badge button") << 2 << 2;
        QTest::newRow("no tabs") << 0 << 0;
    }
    void buttonRow()
    {
        QFETCH(int, tabs);
        QFETCH(int, buttons);
        TestContext ctx;
        auto shell = shellWithTabs(tabs);
        QCOMPARE(shell->items().size(), buttons);
        QCOMPARE(shell->selectedIndex(), buttons ? 0 : -1);
        if (buttons)
            QVERIFY(shell->getViewControllerWithIndex(0)->isViewLoaded());
        // A badge for a shell without its third button is dropped.
        ctx->notificationCenter()->postNotification(QStringLiteral("setBadgeValue"), QStringLiteral("3"));
        QCOMPARE(shell->badgeViewAt(2) != nullptr, buttons > 2);
    }

    void selection()
    {
        TestContext ctx;
        auto shell = shellWithTabs(4);
        SelectionRecorder recorder;
        shell->setDelegate(&recorder);
        ViewController *third = shell->getViewControllerWithIndex(3);
        QVERIFY(!third->isViewLoaded());

        shell->items().at(3)->press();
        QCOMPARE(shell->selectedIndex(), 3);
        QVERIFY(third->isViewLoaded());
        for (TabBarButton *b : shell->items())
            QCOMPARE(b->isSelected(), b->tag() == 3);
        QCOMPARE(recorder.shown, QList<ViewController *>{third});

        shell->pressedItemFromButtonTag(1);
        QCOMPARE(shell->selectedIndex(), 1);
        shell->pressedItemFromButtonTag(9);   // no such button
        QCOMPARE(shell->selectedIndex(), 1);
    }

    void badge_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("abc") << "abc" << true;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("3") << "3" << false;
    }
    void badge()
    {
        QFETCH(QString, value);
        QFETCH(bool, hidden);
        TestContext ctx;
        auto shell = shellWithTabs(4);
        // Any tab item's badge ends up on the button at index 2.
        shell->getViewControllerWithIndex(0)->tabBarItem()->setBadgeValue(value);
        MyBadgeView *badge = shell->badgeViewAt(2);
        QCOMPARE(badge->isHidden(), hidden);
        QCOMPARE(badge->number(), value);
        for (int i : {0, 1, 3})
            QVERIFY(shell->badgeViewAt(i)->isHidden());
        // The same through the notification; one without an object clears the badge.
        NotificationCenter *center = ctx->notificationCenter();
        center->postNotification(QStringLiteral("setBadgeValue"), value);
        QCOMPARE(badge->isHidden(), hidden);
        center->postNotification(QStringLiteral("setBadgeValue"));
        QVERIFY(badge->isHidden());
    }
};

QTEST_GUILESS_MAIN(TestMainTabBar)
#include "tst_maintabbar.moc"
