#include "ScreenHarness.h"

#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/CustomIOS7AlertView.h"
#include "app/FerroxAlert.h"
#include "app/SuperController.h"

#include <QPointer>
#include <QTest>
#include <memory>

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
        QTest::addColumn<int>("delegate");   // 0 none, 1 kept, 2 gone before the close
        QTest::addColumn<int>("told");
        QTest::newRow("delegate told") << 1 << 1;
        QTest::newRow("no delegate: only removed") << 0 << 0;
        QTest::newRow("delegate gone first: never called") << 2 << 0;
    }
    void noticeCloses()
    {
        QFETCH(int, delegate);
        ScreenHarness h;
        auto *screen = h.open(new SuperController);
        Listener listener;
        auto gone = std::make_unique<Listener>();
        auto *alert = new FerroxAlert;
        if (delegate)
            alert->setSDelegate(delegate == 1 ? &listener : gone.get());
        alert->showInView(screen, QStringLiteral("发布成功"));
        QCOMPARE(screen->viewWithTag(100200), alert);
        gone.reset();

        QPointer<FerroxAlert> guard(alert);
        alert->cancelBtn()->press();
        alert->close();     // a second close tells nobody again
        QTEST(listener.disappeared, "told");
        QVERIFY(!screen->viewWithTag(100200));
        QVERIFY(screen->subviews().isEmpty());
        QTRY_VERIFY(guard.isNull());
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
