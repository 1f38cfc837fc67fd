// The seller's resources: the three lists under their tab bar, a resource's detail, the push.
#include "ScreenHarness.h"
#include "app/FerroxAlert.h"
#include "core/session/UserInfo.h"
#include "screens/resources/AddResure.h"
#include "screens/resources/MyResureTabBar.h"
#include "screens/resources/ResureDetail.h"
#include "screens/resources/ResureList.h"
#include "screens/resources/ResureWithPush.h"

#include <QTest>

namespace {
const QString kMine = QStringLiteral("Market/MyResourceList");
const QString kSent = QStringLiteral("Market/SendDirectResourceList");
const QStringList kPaths{kMine, kSent, kMine};
MyResureTabBar *opened(ScreenHarness &h, int rows)
{
    UserInfo::info()->setUserId(QStringLiteral("7"));
    UserInfo::info()->setIsOnline(true);
    const QByteArray list = ScreenHarness::listReply(1, rows, [](int i) {
        return R"({"resourceId":")" + QByteArray::number(i) + R"(","nsortName":"螺纹钢","spec":"Φ25","weight":30,"price":"3600","publishTime":"t"})";
    });
    h.reply(kMine, list);
    h.reply(kSent, list);
    for (const char *path : {"Market/BackResource", "Market/ReleaseResource", "Market/ReleaseDirectResource"})
        h.reply(QString::fromLatin1(path), R"({"errorCode":0,"message":"好了","data":{}})");
    return h.open(new MyResureTabBar);
}
int reloads(ScreenHarness &h) { return h.count(kMine) * 10 + h.count(kSent); }
FerroxAlert *noticeOn(ViewController *screen) { return qobject_cast<FerroxAlert *>(screen->viewWithTag(FerroxAlert::kTag)); }
} // namespace

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    // Each list: its row, its footer (only under a first page of exactly ten), a refused further page
    // keeping the index; its row button (sent once for two taps) and the lists reloaded at once and
    // when the notice closes (unpublished and listed lists count in tens).
    void lists_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("shown");   // the four texts, the button
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("atOnce");
        QTest::addColumn<int>("onClose");
        QTest::newRow("listed, 9 rows: withdraw reloads both lists") << 0 << 9 << "螺纹钢 Φ25 30 已挂牌 撤回" << "Market/BackResource" << 20 << 0;
        QTest::newRow("directed, 10 rows: withdraw") << 1 << 10 << "t 螺纹钢 Φ25 3600 撤回" << "Market/BackResource" << 10 << 1;
        QTest::newRow("unpublished, 11 rows: publish") << 2 << 11 << "螺纹钢 Φ25 30 未发布 发布" << "Market/ReleaseResource" << 10 << 10;
    }
    void lists()
    {
        QFETCH(int, tab);
        QFETCH(int, rows);
        QFETCH(QString, call);
        ScreenHarness h;
        auto *list = static_cast<ResureList *>(opened(h, rows)->viewControllers().at(tab));
        QVERIFY(h.settle());
        const QVariantMap row = list->dataArray()->get(0);
        QStringList texts;
        for (const char *key : {"time", "nsortName", "spec", "price", "actionTitle"})
            texts << row.value(QString::fromLatin1(key)).toString();
        QTEST(texts.join(u' '), "shown");
        QCOMPARE(list->dataArray()->footerShown(), rows == 10);
        h.reply(kPaths.at(tab), R"({"errorCode":1,"message":"系统繁忙"})");
        list->dataArray()->loadMore();
        QVERIFY(h.settle());
        QCOMPARE(h.sent(kPaths.at(tab)).value("pageIndex").toString() + h.takeAlerts().join(u' '), "2系统繁忙");
        QCOMPARE(list->dataArray()->pageIndex() * 100 + list->dataArray()->count(), 100 + rows);
        int before = reloads(h);
        list->actionAtRow(0);
        list->actionAtRow(0);
        QVERIFY(h.settle());
        QCOMPARE(h.sent(call).value("resourceids").toString() + QString::number(h.count(call)), "11");
        QTEST(reloads(h) - before, "atOnce");
        before = reloads(h);
        noticeOn(list)->close();
        QVERIFY(h.settle());
        QTEST(reloads(h) - before, "onClose");
        // Chosen rows: no button without a choice; two taps, one call with both ids; refused, still chosen.
        QVERIFY(!list->chosenEnabled());
        list->dataArray()->toggleSelected(0);
        list->dataArray()->toggleSelected(2);
        h.reply(call, R"({"errorCode":1,"message":"不行"})");
        list->actOnChosen();
        list->actOnChosen();
        QVERIFY(h.settle());
        QCOMPARE(h.sent(call).value("resourceids").toString() + QString::number(h.count(call)), "1,32");
        QVERIFY(list->chosenEnabled() && list->dataArray()->selectedCount() == 2);
    }

    // The detail's actions before and after it loaded: messages, lists reloaded, where the notice leads.
    void detail_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("alerts");
        QTest::addColumn<int>("reloaded");
        QTest::newRow("not loaded: withdraw") << 0 << false << "withdraw" << QStringList{"该资源不存在", "请求失败"} << 0;
        QTest::newRow("not loaded: edit") << 2 << false << "gotoEditor" << QStringList{"该资源不存在", "数据加载失败"} << 0;
        QTest::newRow("not loaded: push") << 2 << false << "push" << QStringList{"该资源不存在", "数据加载出错"} << 0;
        QTest::newRow("listed: withdraw") << 0 << true << "withdraw" << QStringList{} << 20;
        QTest::newRow("unpublished: publish") << 2 << true << "publish" << QStringList{} << 20;
        QTest::newRow("unpublished: push, empty number first") << 2 << true << "push" << QStringList{"请输入接收人的手机号码"} << 11;
    }
    void detail()
    {
        QFETCH(int, tab);
        QFETCH(bool, loads);
        QFETCH(QString, action);
        ScreenHarness h;
        MyResureTabBar *tabs = opened(h, 1);
        h.reply(QStringLiteral("Market/Details"),
                loads ? R"({"errorCode":0,"data":{"ID":"1","cityName":"上海","cangku":"宝山库","weight":30,"countType":"理计"}})"
                      : R"({"errorCode":2,"message":"该资源不存在"})");
        QVERIFY(h.settle());
        static_cast<ResureList *>(tabs->viewControllers().at(tab))->didSelectRow(0);
        auto *detail = static_cast<ResureDetail *>(h.stack().topViewController());
        QVERIFY(h.settle());
        const int before = reloads(h);
        ViewController *noticed = detail;
        QMetaObject::invokeMethod(detail, action.toLatin1());
        if (auto *push = qobject_cast<ResureWithPush *>(h.stack().topViewController())) {
            push->send();
            push->form()->field(QStringLiteral("mobile"))->setText(QStringLiteral("13800000003"));
            push->send();
            noticed = push;
        } else if (loads) {
            QMetaObject::invokeMethod(detail, action.toLatin1());
        }
        QVERIFY(h.settle());
        QTEST(h.takeAlerts(), "alerts");
        QTEST(reloads(h) - before, "reloaded");
        if (!loads)
            return;
        QCOMPARE(detail->fields().value("place").toString() + detail->fields().value("weight").toString(), "上海 宝山库30 吨 (理计)");
        QVERIFY(noticeOn(noticed)->text().startsWith(action == "push" ? "定向资源已经成功推送给：13800000003" : "好了"));
        noticeOn(noticed)->close();
        QCOMPARE(h.screens(), QStringList{"MyResureTabBar"});
    }

    // The resource form after a save: from a detail it reloads the unpublished list and the
    // detail, the tab kept; from the add button it brings the unpublished tab to the front.
    void formSaved()
    {
        ScreenHarness h;
        MyResureTabBar *tabs = opened(h, 1);
        h.reply(QStringLiteral("Market/Details"), R"({"errorCode":0,"data":{"ID":"1"}})");
        QVERIFY(h.settle());
        tabs->thirdController()->didSelectRow(0);
        auto *detail = static_cast<ResureDetail *>(h.stack().topViewController());
        QVERIFY(h.settle());
        detail->gotoEditor();
        auto *form = qobject_cast<AddResure *>(h.stack().topViewController());
        QCOMPARE(form->resourceid(), "1");
        int before = reloads(h);
        detail->resureEditorDidFinished(form);
        QVERIFY(h.settle());
        QCOMPARE(h.count(QStringLiteral("Market/Details")) * 100 + (reloads(h) - before) + tabs->selectedIndex(), 210);
        tabs->addBtnPressed();
        before = reloads(h);
        tabs->resureEditorDidFinished(qobject_cast<AddResure *>(h.stack().topViewController()));
        QVERIFY(h.settle());
        QCOMPARE((reloads(h) - before) + tabs->selectedIndex(), 12);
        QVERIFY(tabs->titleButtons().at(2)->isSelected() && !tabs->titleButtons().at(0)->isSelected());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
