#include "ScreenHarness.h"

#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/CustomIOS7AlertView.h"
#include "app/FerroxAlert.h"
#include "app/SuperController.h"

#include <QPointer>
#include <QTest>

namespace {
class Listener : public QObject, public FerroxAlertDelegate, public AlertStyleValue1Delegate,
                 public CustomIOS7AlertViewDelegate
{
public:
    QList<int> clickedTags;
    int disappeared = 0;
    QList<int> dialogButtons;
    void steelViewWillDisappear(FerroxAlert *) override { ++disappeared; }
    void clickedButton(ButtonModel *button) override { clickedTags.append(button->tag()); }
    void customIOS7dialogButtonTouchUpInside(CustomIOS7AlertView *, int index) override { dialogButtons.append(index); }
};
} // namespace

class TestSharedViews : public QObject
{
    Q_OBJECT
private slots:
    void noticeCloses_data()
    {
        QTest::addColumn<bool>("withDelegate");
        QTest::newRow("delegate told") << true;
        QTest::newRow("no delegate: only removed") << false;
    }
    void noticeCloses()
    {
        QFETCH(bool, withDelegate);
        ScreenHarness h;
        auto *screen = h.open(new SuperController);
        Listener listener;
        auto *alert = new FerroxAlert;
        if (withDelegate)
            alert->setSDelegate(&listener);
        alert->showInView(screen, QStringLiteral("发布成功"));
        QCOMPARE(screen->viewWithTag(100200), alert);

        QPointer<FerroxAlert> guard(alert);
        alert->cancelBtn()->press();
        alert->close();     // a second close tells nobody again
        QCOMPARE(listener.disappeared, withDelegate ? 1 : 0);
        QVERIFY(!screen->viewWithTag(100200));
        QTRY_VERIFY(guard.isNull());
    }

    void noticeDelegateGoneFirst()
    {
        ScreenHarness h;
        auto *screen = h.open(new SuperController);
        auto *alert = new FerroxAlert;
        {
            Listener listener;
            alert->setSDelegate(&listener);
            alert->showInView(screen, QStringLiteral("提示"));
        }
        alert->close();     // must not call the destroyed delegate
        QVERIFY(screen->subviews().isEmpty());
    }

    void choiceButtons_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("tag");
        QTest::newRow("confirm") << true << 1;
        QTest::newRow("cancel") << false << 0;
    }
    void choiceButtons()
    {
        QFETCH(bool, confirm);
        QFETCH(int, tag);
        ScreenHarness h;
        auto *screen = h.open(new SuperController);
        Listener listener;
        auto *alert = new AlertStyleValue1;
        alert->setDelegate(&listener);
        alert->setSDelegate(&listener);
        alert->showInView(screen, QStringLiteral("确定要删除吗?"), QStringLiteral("取消"), QStringLiteral("确定"));
        QCOMPARE(screen->viewWithTag(100200), alert);

        (confirm ? alert->sureBtn() : alert->cancelBtn())->press();
        alert->sure();      // already gone: no second answer
        QCOMPARE(listener.clickedTags, QList<int>{tag});
        QCOMPARE(listener.disappeared, 0);
        QVERIFY(!screen->viewWithTag(100200));
    }

    void dialogButtonTellsDelegateAndCloses()
    {
        TestContext ctx;
        Alerts *alerts = ctx->service<Alerts>();
        Listener listener;
        auto *dialog = new CustomIOS7AlertView(QStringLiteral("确定"), QStringLiteral("已提交"));
        dialog->setDelegate(&listener);
        dialog->show();
        QCOMPARE(alerts->views(), QList<OverlayView *>{dialog});
        dialog->buttonTouchUpInside(1);   // there is no second button
        QVERIFY(listener.dialogButtons.isEmpty());
        dialog->buttonTouchUpInside(0);
        QCOMPARE(listener.dialogButtons, QList<int>{0});
        QVERIFY(alerts->views().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSharedViews)
#include "tst_sharedviews.moc"
