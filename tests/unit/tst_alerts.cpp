#include "TestContext.h"

#include "app/Alerts.h"
#include "app/WindowAlertPort.h"
#include "core/util/Custom.h"
#include "core/util/MTool.h"

#include <QPointer>
#include <QTest>

class TestAlerts : public QObject
{
    Q_OBJECT
private slots:
    void oneButtonAlerts_data()
    {
        QTest::addColumn<int>("via");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alerts messageWithString") << 0 << "好";
        QTest::newRow("Custom messageWithString") << 1 << "好";
        QTest::newRow("MTool showAlertWithMessage") << 2 << "确定";
    }
    void oneButtonAlerts()
    {
        QFETCH(int, via);
        QFETCH(QString, button);
        TestContext ctx;
        Alerts *alerts = ctx->service<Alerts>();
        WindowAlertPort::install(ctx.context());
        if (via == 0)
            alerts->messageWithString(QStringLiteral("密码错误"));
        else if (via == 1)
            Custom::messageWithString(QStringLiteral("密码错误"));
        else
            MTool::showAlertWithMessage(QStringLiteral("密码错误"));
        PlatformAlert *alert = alerts->topAlert();
        QVERIFY(alert);
        QVERIFY(!alert->isActionSheet());
        QVERIFY(alert->title().isEmpty());
        QCOMPARE(alert->message(), QStringLiteral("密码错误"));
        QCOMPARE(alert->buttonTitles(), QStringList{button});
        QPointer<PlatformAlert> guard(alert);
        alert->clickedButtonAtIndex(0);
        QVERIFY(!alerts->topAlert());
        QTRY_VERIFY(guard.isNull());
    }

    void buttonIndices_data()
    {
        QTest::addColumn<bool>("sheet");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("destructive");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("cancelIndex");
        QTest::addColumn<int>("destructiveIndex");
        const QStringList photo{QStringLiteral("拍照"), QStringLiteral("从相册选择")};
        QTest::newRow("sheet: others then cancel") << true << "取消" << "" << photo
            << QStringList{QStringLiteral("拍照"), QStringLiteral("从相册选择"), QStringLiteral("取消")} << 2 << -1;
        QTest::newRow("sheet: destructive first") << true << "取消" << "删除" << QStringList{QStringLiteral("拍照")}
            << QStringList{QStringLiteral("删除"), QStringLiteral("拍照"), QStringLiteral("取消")} << 2 << 0;
        QTest::newRow("sheet: no cancel") << true << "" << "" << photo << photo << -1 << -1;
        QTest::newRow("alert: in the order given") << false << "" << "" << QStringList{QStringLiteral("取消"), QStringLiteral("确定")}
            << QStringList{QStringLiteral("取消"), QStringLiteral("确定")} << 0 << -1;
    }
    void buttonIndices()
    {
        QFETCH(bool, sheet);
        QFETCH(QString, cancel);
        QFETCH(QString, destructive);
        QFETCH(QStringList, others);
        QFETCH(QStringList, titles);
        TestContext ctx;
        Alerts *alerts = ctx->service<Alerts>();
        QList<int> pressed;
        auto handler = [&pressed](int i) { pressed.append(i); };
        PlatformAlert *alert = sheet ? alerts->showActionSheet({}, cancel, destructive, others, handler)
                                     : alerts->showAlert(QStringLiteral("提示"), {}, others, handler, 0);
        QCOMPARE(alert->isActionSheet(), sheet);
        QCOMPARE(alert->buttonTitles(), titles);
        QTEST(alert->cancelButtonIndex(), "cancelIndex");
        QTEST(alert->destructiveButtonIndex(), "destructiveIndex");

        alert->clickedButtonAtIndex(int(titles.size()));   // no such button
        QVERIFY(pressed.isEmpty());
        QCOMPARE(alerts->topAlert(), alert);
        alert->clickedButtonAtIndex(1);
        alert->clickedButtonAtIndex(0);                     // already answered
        QCOMPARE(pressed, QList<int>{1});
        QVERIFY(!alerts->topAlert());
    }

    // Alerts stack newest on top; a handler may show another alert.
    void alertsStackAndHandlerMayShowAnother()
    {
        TestContext ctx;
        Alerts *alerts = ctx->service<Alerts>();
        PlatformAlert *next = nullptr;
        PlatformAlert *first = alerts->showAlert({}, QStringLiteral("继续?"), {QStringLiteral("确定")},
                                                 [&](int) { next = alerts->messageWithString(QStringLiteral("完成")); });
        PlatformAlert *second = alerts->messageWithString(QStringLiteral("二"));
        QCOMPARE(alerts->topAlert(), second);
        second->clickedButtonAtIndex(0);
        QCOMPARE(alerts->topAlert(), first);
        first->clickedButtonAtIndex(0);
        QVERIFY(next);
        QCOMPARE(alerts->topAlert(), next);
        QCOMPARE(alerts->views().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAlerts)
#include "tst_alerts.moc"
