// The order lists, their details, the evidence upload and the business hub against the
// scripted service.
#include "FakeImagePickerPort.h"
#include "ScreenHarness.h"
#include "app/AlertStyleValue1.h"
#include "app/Alerts.h"
#include "app/CustomIOS7AlertView.h"
#include "app/OrderAlertView.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/ChatManager.h"
#include "core/session/UserInfo.h"
#include "screens/resources/MyBusiness.h"
#include "screens/trade/BuyerGiveup.h"
#include "screens/trade/BuyersDealing.h"
#include "screens/trade/BuyersDealingDetail.h"
#include "screens/trade/BuyersDidPay.h"
#include "screens/trade/BuyersUNPay.h"
#include "screens/trade/OrderDetail.h"
#include "screens/trade/SellerDidPay.h"
#include "screens/trade/SellerUNPay.h"
#include "screens/trade/SellerUNPayDetail.h"
#include "screens/trade/UploadEvidence.h"
#include "screens/trade/WaitBuyDetail.h"
#include "screens/trade/WaitBuyOrder.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {
const QString kList = QStringLiteral("Market/ToBeConfirmedOrder");
const QString kTrade = QStringLiteral("Market/TradeOrderList");

QByteArray orders(int count, const QByteArray &fields)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += (i ? "," : "") + QByteArray(R"({"id":")") + QByteArray::number(i + 1)
                + R"(","orderId":"VM)" + QByteArray::number(i + 1) + R"(","resourceId":"9","userId":"5",)"
                + R"("bookTime":"b","tradeTime":"t","addTime":"a","nsortName":"螺纹钢","spec":"Φ25")" + fields + "}";
    return R"({"errorCode":0,"data":[)" + rows + "]}";
}

ScreenHarness *loggedIn(ScreenHarness &h, const char *user = "7")
{
    UserInfo::info()->setUserId(QString::fromLatin1(user));
    UserInfo::info()->setIsOnline(true);
    return &h;
}
} // namespace

class TestOrders : public QObject
{
    Q_OBJECT
private slots:
    // One row per list: what it asks for and how its first row reads.
    void lists_data()
    {
        QTest::addColumn<std::function<OrderList *()>>("make");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("asked");      // role and Status, or role alone
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QStringList>("shown");  // price, mark, action title, enabled
        using F = std::function<OrderList *()>;
        QTest::newRow("waiting") << F([] { return new BuyersUNPay; }) << kList << "buy1" << QByteArray(R"(,"price":"3650")") << QStringList{"3650", "待确认", "", "true"};
        QTest::newRow("given up, empty price") << F([] { return new BuyerGiveup; }) << kList << "buy3" << QByteArray(R"(,"price":"")") << QStringList{"0", "已放弃", "", "true"};
        QTest::newRow("completed, uploaded") << F([] { return new BuyersDidPay; }) << kList << "buy2" << QByteArray(R"(,"pzStatus":"已上传")") << QStringList{"", "", "已上传", "false"};
        QTest::newRow("seller completed, not uploaded") << F([] { return new SellerDidPay; }) << kList << "sell2" << QByteArray(R"(,"pzStatus":"未上传")") << QStringList{"", "", "上传凭证", "true"};
        QTest::newRow("buyer in trade, 6") << F([] { return new BuyersDealing("buy"); }) << kTrade << "buy" << QByteArray(R"(,"status":"6")") << QStringList{"", "等待确认", "", "true"};
        QTest::newRow("seller in trade, 6") << F([] { return new BuyersDealing("sell"); }) << kTrade << "sell" << QByteArray(R"(,"status":"6")") << QStringList{"", "", "确认", "true"};
        QTest::newRow("seller in trade, 7") << F([] { return new BuyersDealing("sell"); }) << kTrade << "sell" << QByteArray(R"(,"status":"7")") << QStringList{"", "等待确认", "", "true"};
        QTest::newRow("in review, 9") << F([] { return new BuyersDealing("buy"); }) << kTrade << "buy" << QByteArray(R"(,"status":"9")") << QStringList{"", "等待审核", "", "true"};
        QTest::newRow("seller waiting") << F([] { return new SellerUNPay; }) << kList << "sell1" << QByteArray(R"(,"price":"3")") << QStringList{"3", "", "处理", "true"};
        QTest::newRow("offers") << F([] { return new WaitBuyOrder; }) << QStringLiteral("Market/DirectResourceList") << "" << QByteArray(R"(,"price":"3")") << QStringList{"3", "", "认购", "true"};
    }
    void lists()
    {
        QFETCH(std::function<OrderList *()>, make);
        QFETCH(QString, path);
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, shown);
        ScreenHarness h;
        loggedIn(h);
        h.reply(path, orders(10, fields));
        OrderList *list = h.open(make());
        QVERIFY(h.settle());
        const QVariantMap sent = h.sent(path);
        QTEST(sent.value("role").toString() + sent.value("Status").toString(), "asked");
        const QVariantMap row = list->dataArray()->get(0);
        QCOMPARE((QStringList{row.value("price").toString(), row.value("mark").toString(), row.value("actionTitle").toString(),
                              row.value("actionEnabled").toString()}),
                 shown);
        QVERIFY(list->dataArray()->footerShown());
    }

    void companyCard()
    {
        ScreenHarness h;
        loggedIn(h);
        h.reply(kTrade, orders(1, {}));
        h.reply("Market/CompanyInfo", R"({"errorCode":0,"data":{"companyName":"沙钢","mobile":"138","userName":"王"}})");
        auto *list = h.open(new BuyersDealing("buy"));
        QVERIFY(h.settle());
        list->cardAtRow(0);
        QVERIFY(h.settle());
        QCOMPARE(h.sent("Market/CompanyInfo").value("userId"), "5");
        auto *card = qobject_cast<OrderAlertView *>(list->subviews().value(0));
        QVERIFY(card);
        QCOMPARE(card->companyName() + card->tel() + card->userName(), "沙钢王");
        card->remove();
        QVERIFY(list->subviews().isEmpty());
    }

    // The outcome of an order in trade, by side and state, and the choice sent.
    void outcome_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("presses");   // L success, R failure, in order
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("sent");      // issuccess, empty: nothing sent
        QTest::newRow("buyer answered (6)") << "buy" << "6" << "" << "mit222" << "";
        QTest::newRow("seller may act on 6, nothing chosen") << "sell" << "6" << "" << "mit111" << "1";
        QTest::newRow("buyer, failure chosen") << "buy" << "4" << "R" << "mit111" << "0";
        QTest::newRow("failure then success") << "buy" << "5" << "RL" << "mit111" << "1";
        QTest::newRow("in review") << "sell" << "9" << "L" << "mit333" << "";
    }
    void outcome()
    {
        QFETCH(QString, role);
        QFETCH(QString, status);
        QFETCH(QString, presses);
        QFETCH(QString, sent);
        ScreenHarness h;
        loggedIn(h);
        h.reply(kTrade, orders(1, {}));
        h.reply("Market/OrderHistoryDetail", R"({"errorCode":0,"data":{"orderId":"VM1","status":")" + status.toUtf8() + R"("}})");
        h.reply("Market/ToTradeOrder", R"({"errorCode":0,"message":"交易结果已提交"})");
        auto *list = h.open(new BuyersDealing(role));
        QVERIFY(h.settle());
        list->didSelectRow(0);
        auto *detail = qobject_cast<BuyersDealingDetail *>(h.stack().topViewController());
        QVERIFY(h.settle());
        QTEST(detail->sureImage(), "image");
        for (QChar c : presses)
            (c == u'L' ? detail->leftBtn() : detail->rightBtn())->press();
        detail->sureBtn()->press();
        detail->sureBtn()->press();   // a second tap sends nothing more
        QVERIFY(h.settle());
        QCOMPARE(h.count("Market/ToTradeOrder"), sent.isEmpty() ? 0 : 1);
        if (sent.isEmpty())
            return;
        QCOMPARE(h.sent("Market/ToTradeOrder").value("issuccess").toString() + h.sent("Market/ToTradeOrder").value("role").toString(), sent + role);
        // The detail leaves only once its notice closes, and the list starts again at page 1.
        auto *notice = qobject_cast<FerroxAlert *>(detail->subviews().value(0));
        QVERIFY(notice && notice->text() == "交易结果已提交" && h.stack().topViewController() == detail);
        notice->close();
        QVERIFY(h.settle());
        QCOMPARE(h.screens().last(), "BuyersDealing");
        QCOMPARE(h.count(kTrade), 2);
    }

    // The seller's answers: confirm closes after its notice; giving up asks first, closes silently.
    void sellerAnswers_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("sentPath");   // empty: nothing sent
        QTest::addColumn<bool>("stays");
        QTest::newRow("confirm") << "confirm" << "Market/ConfirmOrder" << true;
        QTest::newRow("give up, cancelled") << "cancel" << "" << true;
        QTest::newRow("give up") << "giveup" << "Market/GiveOrder" << false;
        QTest::newRow("give up refused") << "refused" << "Market/GiveOrder" << true;
    }
    void sellerAnswers()
    {
        QFETCH(QString, step);
        QFETCH(QString, sentPath);
        QFETCH(bool, stays);
        ScreenHarness h;
        loggedIn(h);
        h.reply(kList, orders(1, {}));
        h.reply("Market/ConfirmOrder", R"({"errorCode":0,"message":"订单已确认"})");
        h.reply("Market/GiveOrder", step == "refused" ? R"({"errorCode":2,"message":"该订单已处理"})" : R"({"errorCode":0,"message":"订单已放弃"})");
        auto *list = h.open(new SellerUNPay);
        QVERIFY(h.settle());
        list->actionAtRow(0);
        auto *detail = qobject_cast<SellerUNPayDetail *>(h.stack().topViewController());
        QVERIFY(h.settle());
        if (step == "confirm") {
            detail->sureBtn()->press();
        } else {
            detail->giveupBtn()->press();
            QCOMPARE(detail->bgView()->tag(), 10001);
            step == "cancel" ? detail->bgView()->close() : detail->bgView()->sure();
        }
        QVERIFY(h.settle());
        for (const QString path : {"Market/ConfirmOrder", "Market/GiveOrder"})
            QCOMPARE(h.count(path), path == sentPath ? 1 : 0);
        QCOMPARE(h.stack().topViewController() == detail, stays);
        if (sentPath.isEmpty())
            return;
        QCOMPARE(h.takeAlerts(), step == "refused" ? QStringList{"该订单已处理"} : QStringList{});
        if (step == "confirm") {
            qobject_cast<FerroxAlert *>(detail->subviews().value(0))->close();
            QVERIFY(h.settle() && h.screens().last() == "SellerUNPay");
        }
        QCOMPARE(h.count(kList), stays && step != "confirm" ? 1 : 2);
        QCOMPARE(h.sent("Market/GiveOrder").value("resourceId").toString() + h.sent(sentPath).value("id").toString(), step == "confirm" ? "1" : "91");
    }

    void directedOffer()
    {
        ScreenHarness h;
        loggedIn(h);
        h.reply("Market/DirectToOrder", R"({"errorCode":0,"message":"认购成功"})");
        h.open(new WaitBuyDetail);
        QVERIFY(h.settle());
        QCOMPARE(h.count("Market/Details"), 0);   // no offer: nothing asked for
        auto *offer = new WaitBuyDetail;
        offer->setOrderID("12");
        h.open(offer);
        offer->sure();
        QVERIFY(h.settle());
        auto *panel = qobject_cast<AlertStyleValue1 *>(offer->subviews().value(0));
        QVERIFY(panel && panel->text() == "认购成功" && !offer->sureBtn()->isEnabled());
        panel->close();                            // tag 0: stay
        QCOMPARE(h.stack().topViewController(), offer);
        offer->sure();
        QCOMPARE(h.count("Market/DirectToOrder"), 1);
    }

    void evidence()
    {
        ScreenHarness h;
        loggedIn(h);
        h.context().setService<ImagePickerPort>(std::make_unique<FakeImagePickerPort>());
        h.reply("Market/OrderHistoryDetail", R"({"errorCode":0,"data":{"orderId":"VM1"}})");
        h.reply("Index/UploadImg", R"({"errorCode":5,"message":"图片为空"})");
        auto *detail = new OrderDetail;
        detail->setOrderIdStr("1");
        h.open(detail)->upload();
        QCOMPARE(h.stack().topViewController(), detail);   // not loaded yet: nothing
        QVERIFY(h.settle());
        detail->upload();
        auto *upload = qobject_cast<UploadEvidence *>(h.stack().topViewController());
        upload->didFinishPickingFile("/tmp/notes.txt");
        QVERIFY(!upload->chosen());
        upload->openImagePickerOrOpenCamera(1);
        QVERIFY(upload->picking());
        upload->didFinishPickingFile("file:///tmp/voucher.png");
        QVERIFY(upload->chosen() && !upload->picking());
        upload->sumbit();
        QVERIFY(h.settle());
        QCOMPARE(h.takeAlerts(), QStringList{"图片为空"});
        QVERIFY(upload->chosen());                         // refused: the picture stays
        h.reply("Index/UploadImg", R"({"errorCode":0,"message":"凭证已上传"})");
        upload->sumbit();
        QVERIFY(h.settle());
        auto *done = qobject_cast<CustomIOS7AlertView *>(h.context().service<Alerts>()->views().value(0));
        QVERIFY(done && done->contentTitle() == "凭证已上传");
        done->buttonTouchUpInside(0);
        QVERIFY(!upload->chosen());
    }

    // The hub's marks: pushes light them, opening a row clears its type, each user has their own.
    void hubMarks()
    {
        ScreenHarness h;
        loggedIn(h);
        ChatManager::standardChatManager();
        auto *hub = h.open(new MyBusiness);
        const auto push = [&h](const char *code) {
            h.context().notificationCenter()->postNotification(NotificationNames::ReceiveAddFrinedRequest, QString::fromLatin1(code));
        };
        const auto marks = [hub] {
            QString m;
            for (int i = 0; i < 10; ++i)
                m += hub->isMarked(i / 5, i % 5) ? QLatin1Char('x') : QLatin1Char('.');
            return m;
        };
        push("3");
        QCOMPARE(marks(), ".x........");
        push("4");
        push("1");
        push("2");
        QCOMPARE(marks(), ".x.x.x....");
        hub->didSelectRow(1, 1);                           // seller's in-trade row leaves the buyer's mark
        QCOMPARE(marks(), ".x.x.x....");
        hub->didSelectRow(0, 1);
        QCOMPARE(h.screens().last(), "BuyersDealTabBar");
        h.stack().popViewController();
        QCOMPARE(marks(), "...x.x....");
        UserInfo::info()->setUserId("8");
        hub->refreshTableView();
        QCOMPARE(marks(), "..........");
        QSignalSpy redraws(hub, &MyBusiness::sectionsChanged);
        push("1");
        QCOMPARE(redraws.count(), 1);
        QCOMPARE(marks(), ".....x....");
    }

    void hubNeedsLogin()
    {
        ScreenHarness h;
        h.open(new MyBusiness);
        QCOMPARE(h.screens(), (QStringList{"MyBusiness", "UserLogin"}));
    }
};

QTEST_GUILESS_MAIN(TestOrders)
#include "tst_orders.moc"
