#include "TestContext.h"

#include "app/MainTabBarController.h"
#include "screens/MainInterface.h"

#include <QTest>
#include <memory>

class TestMainInterface : public QObject
{
    Q_OBJECT
private slots:
    void tabsInOrder()
    {
        TestContext ctx;
        std::unique_ptr<MainTabBarController> shell(MainInterface::instantiateMainTabBarController());
        shell->loadViewIfNeeded();
        const QStringList titles{QStringLiteral("首页"), QStringLiteral("我的业务"), QStringLiteral("商友"),
                                 QStringLiteral("我的账户")};
        const QList<QByteArray> classes{"HomePage", "MyBusiness", "MyFriends", "MyAccount"};
        QCOMPARE(shell->items().size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(shell->items().at(i)->title(), titles.at(i));
            ViewController *root = shell->getViewControllerWithIndex(i);
            QCOMPARE(QByteArray(root->metaObject()->className()), classes.at(i));
            QVERIFY(root->isInTabShell());
        }
        QVERIFY(!shell->getViewControllerWithIndex(0)->backButtonShown());
    }
};

QTEST_GUILESS_MAIN(TestMainInterface)
#include "tst_maininterface.moc"
