// The tender market's filters, and the bid form of the market and of a tender's detail; the
// buyer's own tenders: the two lists, a tender's detail and the tender form.
#include "ScreenHarness.h"
#include "app/AlertStyleValue1.h"
#include "app/OrderAlertView.h"
#include "app/Form.h"
#include "core/session/UserInfo.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/PickZhongLeiViewController.h"
#include "screens/trade/AddBidding.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/BiddingDetail.h"
#include "screens/trade/BiddingTabBar.h"
#include "screens/trade/HomeBiddingDetail.h"
#include "screens/trade/MyBidding.h"
#include "screens/trade/MyBiddingDetail.h"
#include "screens/trade/MyTenderList.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {
QByteArray tenders(int count)
{
    return ScreenHarness::listReply(40, count, [](int i) {
        return R"({"id":")" + QByteArray::number(i) + R"(","nsortName":"螺纹钢","spec":"Φ25","weight":300,"cangku":"上海中储库"})";
    });
}
const QString kList = QStringLiteral("ZhaoBiao/Search");
const QString kBid = QStringLiteral("ZhaoBiao/OnlineYingBiao");
QString sentPage(ScreenHarness &h) { return h.sent(kList).value(QStringLiteral("pageIndex")).toString(); }
const QString kMine = QStringLiteral("ZhaoBiao/GetMyZhaoBiaoList");
const QString kPublish = QStringLiteral("ZhaoBiao/FbZhaoBiao");
const QString kWithdraw = QStringLiteral("ZhaoBiao/BackZhaoBiao");
const QString kSave = QStringLiteral("ZhaoBiao/AddZhaoBiao");
const QByteArray kDetail = R"({"errorCode":0,"data":{"id":"57","sortID":"2","sortName":"板材","nsortID":"4","nsortName":"热轧板卷",)"
                           R"("spec":"3.0*1500","materials":"Q235","weight":"300","price":"3600","maxNum":"5","provinceID":"32",)"
                           R"("cityID":"3201","address":"江苏 南京","paytype":"1"}})";
FerroxAlert *noticeOn(ViewController *screen) { return qobject_cast<FerroxAlert *>(screen->viewWithTag(FerroxAlert::kTag)); }
} // namespace

/// The screen under a tender's detail or form: what they tell it.
class TenderOpener : public SuperController, public BiddingDetailDelegate, public AddBiddingDelegate
{
    Q_OBJECT
public:
    QStringList heard;
    void biddingDetailDidFinishedEditor(BiddingDetail *) override { heard << QStringLiteral("detail done"); }
    void biddingAddDidFinished(AddBidding *) override { heard << QStringLiteral("added"); }
    void biddingEditorDidFinished(AddBidding *) override { heard << QStringLiteral("edited"); }
};

class TestBidding : public QObject
{
    Q_OBJECT
private slots:
    void filterChangeRestartsAtPageOne()
    {
        ScreenHarness h;
        h.reply(kList, tenders(10));
        auto *market = h.open(new Bidding);
        QVERIFY(h.settle());
        market->mainlist()->loadMore();
        QVERIFY(h.settle() && sentPage(h) == "2");
        h.reply(kList, tenders(3));
        market->filter()->didSeletedClass({{QStringLiteral("sortID"), QStringLiteral("2")}, {QStringLiteral("sortName"), QStringLiteral("板材")}});
        QVERIFY(h.settle());
        QCOMPARE(sentPage(h) + h.sent(kList).value(QStringLiteral("sortID")).toString(), "12");
        QCOMPARE(market->mainlist()->count(), 3);
        market->didSelectRow(2);
        QCOMPARE(qobject_cast<HomeBiddingDetail *>(h.stack().topViewController())->biddingId(), "42");
    }

    // The form opens from a row of the market or from a tender's detail; the delivery place
    // comes only from the city picker (the first province's first city, 北京).
    void bidForm_data()
    {
        QTest::addColumn<bool>("fromDetail");
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QStringList>("typed");   // price, mill, "place" when one is chosen
        QTest::addColumn<QString>("priceSent");   // empty: nothing sent
        QTest::addColumn<QStringList>("alerts");
        const QStringList incomplete{QStringLiteral("信息必须完整填写")};
        const QStringList sent{QStringLiteral("应标成功")};
        QTest::newRow("visitor: the login screen, no form") << false << false << QStringList{"3650", "沙钢", "place"} << "" << QStringList{};
        QTest::newRow("no mill") << false << true << QStringList{"3650", "", "place"} << "" << incomplete;
        QTest::newRow("no place") << true << true << QStringList{"3650", "沙钢", ""} << "" << incomplete;
        QTest::newRow("no price") << true << true << QStringList{"", "沙钢", "place"} << "" << incomplete;
        QTest::newRow("price rounded to whole yuan") << false << true << QStringList{"1234.6", "沙钢", "place"} << "1235" << sent;
        QTest::newRow("a price that is no number is 0") << true << true << QStringList{".", "沙钢", "place"} << "0" << sent;
    }
    void bidForm()
    {
        QFETCH(bool, fromDetail);
        QFETCH(bool, loggedIn);
        QFETCH(QStringList, typed);
        QFETCH(QString, priceSent);
        QFETCH(QStringList, alerts);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("7"));
        UserInfo::info()->setIsOnline(loggedIn);
        h.reply(kList, tenders(3));
        h.reply(QStringLiteral("ZhaoBiao/ZhaoBiaoDetail"), R"({"errorCode":0,"data":{"id":"41","maxNum":"5","paytype":"1"}})");
        h.reply(kBid, R"({"errorCode":0,"message":"应标成功","data":{}})");
        auto *market = h.open(new Bidding);
        QVERIFY(h.settle());
        BidForm *form = market->bidForm();
        if (fromDetail) {
            market->didSelectRow(1);
            auto *detail = static_cast<HomeBiddingDetail *>(h.stack().topViewController());
            QVERIFY(h.settle());
            QCOMPARE(detail->fields().value(QStringLiteral("paytype")).toString(), "非现款");
            form = detail->bidForm();
            detail->buttonPressed();
        } else {
            market->cellDidSelected(1);
        }
        QCOMPARE(form->shown(), loggedIn);
        if (!loggedIn) {
            QCOMPARE(h.screens().last(), "UserLogin");
            return;
        }
        form->form()->field(QStringLiteral("price"))->setText(typed.at(0));
        form->form()->field(QStringLiteral("mill"))->setText(typed.at(1));
        if (!typed.at(2).isEmpty()) {
            // Cancelling the picker brings the form back; the field opens the picker every time.
            form->choosePlace();
            QVERIFY(!form->shown());
            static_cast<InfoSelector *>(h.stack().topViewController())->popViewController();
            QVERIFY(form->shown());
            form->choosePlace();
            auto *picker = static_cast<InfoSelector *>(h.stack().topViewController());
            QCOMPARE(picker->title(), "交货地选择");
            picker->didSelectRow(0);
            static_cast<InfoSelector *>(h.stack().topViewController())->didSelectRow(0);
            QVERIFY(form->shown());
            QCOMPARE(form->form()->text(QStringLiteral("place")), "北京 北京");
        }
        form->submit();
        if (!priceSent.isEmpty())
            form->submit(); // a second tap sends nothing more
        QVERIFY(h.settle());
        QCOMPARE(h.count(kBid), priceSent.isEmpty() ? 0 : 1);
        QCOMPARE(form->shown(), priceSent.isEmpty());
        QCOMPARE(h.takeAlerts(), alerts);
        const QVariantMap bid = h.sent(kBid);
        if (!priceSent.isEmpty())
            QCOMPARE(QStringList({bid.value("Price").toString(), bid.value("ResourceID").toString(), bid.value("ProvinceID").toString(),
                                  bid.value("CityID").toString(), bid.value("Yieldly").toString()}),
                     QStringList({priceSent, "41", "11", "1101", "沙钢"}));
    }

    // The buyer's lists: a row's state and button, its button's call (a second tap while the
    // first is on its way sends nothing), the lists reloaded after it, and the detail it opens.
    void myTenders_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("stateText");
        QTest::addColumn<QString>("call");      // empty: no button
        QTest::addColumn<int>("reloads");       // list requests the call brings
        QTest::addColumn<int>("detailType");
        QTest::newRow("published") << 0 << "2" << "发布中" << kWithdraw << 1 << 1;
        QTest::newRow("under review: no withdraw") << 0 << "3" << "审核中" << "" << 0 << 2;
        QTest::newRow("unpublished: publish reloads both lists") << 1 << "1" << "未发布" << kPublish << 2 << 0;
    }
    void myTenders()
    {
        QFETCH(int, tab);
        QFETCH(QString, status);
        QFETCH(QString, stateText);
        QFETCH(QString, call);
        QFETCH(int, reloads);
        QFETCH(int, detailType);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("1"));
        UserInfo::info()->setIsOnline(true);
        h.reply(kMine, R"({"errorCode":0,"data":[{"id":"57","nsortName":"热轧板卷","spec":"3.0","weight":"300","status":")"
                           + status.toLatin1() + R"("}]})");
        h.reply(call, R"({"errorCode":0,"message":"操作成功"})");
        auto *tabs = h.open(new BiddingTabBar);
        tabs->setSelectedIndex(tab);
        QVERIFY(h.settle());
        auto *list = static_cast<MyTenderList *>(tabs->viewControllers().at(tab));
        const QVariantMap row = list->dataArray()->get(0);
        QCOMPARE(row.value("stateText").toString() + row.value("buttonShown").toString(), stateText + (call.isEmpty() ? "false" : "true"));
        const int before = h.count(kMine);
        list->cellDidSelected(0);
        list->cellDidSelected(0);
        QVERIFY(h.settle());
        if (!call.isEmpty())
            QCOMPARE(h.count(call), 1);
        QCOMPARE(h.count(kMine) - before, reloads);
        QCOMPARE(noticeOn(list) ? noticeOn(list)->text() : QString(), call.isEmpty() ? "" : "操作成功");
        list->didSelectRow(0);
        auto *detail = qobject_cast<BiddingDetail *>(h.stack().topViewController());
        QCOMPARE(detail->type() * 100 + detail->zhaobiaoID().toInt(), detailType * 100 + 57);
    }

    // A tender's detail by its type: values, state button, the notice after publishing or
    // withdrawing, and closing it tells the list and goes back.
    void tenderDetail_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("notice");
        QTest::newRow("unpublished: publish") << 0 << kPublish << "招标信息已成功发布";
        QTest::newRow("published: withdraw") << 1 << kWithdraw << "招标信息已成功扯回 !";
        QTest::newRow("under review: no state button") << 2 << "" << "";
    }
    void tenderDetail()
    {
        QFETCH(int, type);
        QFETCH(QString, call);
        QFETCH(QString, notice);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("1"));
        UserInfo::info()->setIsOnline(true);
        h.reply(QStringLiteral("ZhaoBiao/ZhaoBiaoDetail"), kDetail);
        h.reply(call, R"({"errorCode":0,"message":"招标信息已成功发布"})");
        auto *opener = h.open(new TenderOpener);
        auto *detail = new BiddingDetail;
        detail->setType(type);
        detail->setZhaobiaoID(QStringLiteral("57"));
        detail->setDelegate(opener);
        detail->gotoEditor(); // not loaded yet
        QCOMPARE(h.takeAlerts(), QStringList{"数据加载失败"});
        opener->pushViewController(detail);
        QVERIFY(h.settle());
        const QVariantMap f = detail->fields();
        QCOMPARE(QStringList({f.value("weight").toString(), f.value("price").toString(), f.value("paytype").toString()}),
                 QStringList({"300 吨", "3600 元", "非现款"}));
        QCOMPARE(detail->stateButtonShown(), !call.isEmpty());
        QCOMPARE(detail->editShown(), type == 0);
        detail->show();
        detail->show();
        QVERIFY(h.settle());
        if (call.isEmpty())
            return;
        QCOMPARE(h.count(call), 1);
        QCOMPARE(noticeOn(detail)->text(), notice);
        noticeOn(detail)->close();
        QCOMPARE(opener->heard, QStringList{"detail done"});
        QCOMPARE(h.screens(), QStringList{"TenderOpener"});
    }

    // The tender form: the entries a row's picker leaves, which entries a new category or kind
    // empties, what a save sends, and where each result alert leads.
    void tenderForm_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QList<int>>("reopened");   // rows whose picker is opened again and left
        QTest::addColumn<QStringList>("typed");     // weight, price
        QTest::addColumn<QString>("idSent");        // empty: nothing sent
        QTest::addColumn<int>("answer");            // the edit alert's button; -1: the notice's
        QTest::addColumn<QString>("after");
        const QStringList both{"300", "3600"};
        QTest::newRow("new tender sends id 0") << false << QList<int>{} << both << "0" << -1 << "added SuperController TenderOpener";
        QTest::newRow("no price") << false << QList<int>{} << QStringList{"300", ""} << "" << -1 << "";
        QTest::newRow("a new category empties kind and material") << false << QList<int>{0} << both << "" << -1 << "";
        QTest::newRow("a new kind empties the material") << false << QList<int>{1} << both << "" << -1 << "";
        QTest::newRow("other rows reopened stay") << false << QList<int>{2, 6, 8} << both << "0" << -1 << "added SuperController TenderOpener";
        QTest::newRow("edit: 回招标首页") << true << QList<int>{} << both << "57" << 0 << "SuperController";
        QTest::newRow("edit: 现在就去发布") << true << QList<int>{} << both << "57" << 1 << "edited SuperController TenderOpener";
    }
    void tenderForm()
    {
        QFETCH(bool, edit);
        QFETCH(QList<int>, reopened);
        QFETCH(QStringList, typed);
        QFETCH(QString, idSent);
        QFETCH(int, answer);
        QFETCH(QString, after);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("1"));
        UserInfo::info()->setIsOnline(true);
        h.reply(QStringLiteral("steel/GetQueryCondition"), R"({"errorCode":0,"data":[{"sortName":"板材","nsort":[)"
                R"({"nsortName":"热轧板卷","MaterialsRule":[{"Materials":"Q235"},{"Materials":"SPHC"}]}]}]})");
        h.reply(kSave, R"({"errorCode":0,"message":"招标信息已保存"})");
        h.open(new SuperController);
        auto *opener = new TenderOpener;
        h.stack().pushViewController(opener);
        auto *form = new AddBidding;
        form->setDelegate(opener);
        if (edit) {
            form->setDataDict(BiddingDetail::formEntries(QJsonDocument::fromJson(kDetail).object().toVariantMap().value("data").toMap()));
            form->setResourceid(QStringLiteral("57"));
        }
        opener->pushViewController(form);
        QVERIFY(h.settle());
        QCOMPARE(form->rows().at(5).toMap().value("note").toString(), "(卖家不可见)");
        if (!edit) {
            form->didSeletedClass({{"sortID", "2"}, {"sortName", "板材"}}, {{"nsortID", "4"}, {"nsortName", "热轧板卷"}});
            form->didSeletedFormat(QStringLiteral("3.0*1500"));
            form->didSelectRow(3); // the kind's materials, from the category tree
            auto *materials = qobject_cast<PickZhongLeiViewController *>(h.stack().topViewController());
            QCOMPARE(materials->mainlist().size(), 2);
            materials->didSelectRow(1);
            form->numberSelected(QStringLiteral("5"));
            form->didSeletedCity({{"sheng", QVariantMap{{"provinceID", "32"}, {"name", "江苏"}}}, {"shi", QVariantMap{{"cityId", "3201"}, {"name", "南京"}}}});
            form->changeLabelText(QStringLiteral("非现款"));
        }
        form->infoEditDidFinish(typed.at(0), 4);
        form->infoEditDidFinish(typed.at(1), 5);
        for (int row : reopened) {
            form->didSelectRow(row);
            h.stack().topViewController()->popViewController();
        }
        form->addBtnDidClicked();
        form->addBtnDidClicked();
        QVERIFY(h.settle());
        QCOMPARE(h.count(kSave), idSent.isEmpty() ? 0 : 1);
        if (idSent.isEmpty()) {
            QCOMPARE(h.takeAlerts().value(0), "所有信息必须填写，请填写完整信息");
            return;
        }
        const QVariantMap sent = h.sent(kSave);
        QCOMPARE(QStringList({sent.value("id").toString(), sent.value("materials").toString(), sent.value("paytype").toString(),
                              sent.value("cityID").toString(), sent.value("price").toString()}),
                 QStringList({idSent, edit ? "Q235" : "SPHC", "1", "3201", "3600"}));
        if (answer < 0)
            noticeOn(form)->close();
        else
            answer == 0 ? qobject_cast<AlertStyleValue1 *>(noticeOn(form))->close() : qobject_cast<AlertStyleValue1 *>(noticeOn(form))->sure();
        QCOMPARE((opener->heard + h.screens()).join(' '), after);
    }

    // The seller's bids: a row opens the bid, its button the tender owner's card (once per tap).
    void myBids()
    {
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("2"));
        UserInfo::info()->setIsOnline(true);
        h.reply(QStringLiteral("ZhaoBiao/YingBiaoList"), R"({"errorCode":0,"data":[{"id":"8","addTime":"2026-12-01","nsortName":"螺纹钢","spec":"Φ20","ybPrice":3580}]})");
        h.reply(QStringLiteral("ZhaoBiao/CompanyInfo"), R"({"errorCode":0,"data":{"companyName":"上海钢联物资有限公司","mobile":"13800000001"}})");
        h.reply(QStringLiteral("ZhaoBiao/YingBiaoDetail"), R"({"errorCode":0,"data":{"price":3580,"ybAddress":"江苏 南京","yieldly":"沙钢"}})");
        auto *bids = h.open(new MyBidding);
        QVERIFY(h.settle());
        QCOMPARE(bids->dataArray()->get(0).value("ybPrice").toString(), "3580");
        bids->cellDidSelected(0);
        bids->cellDidSelected(0);
        QVERIFY(h.settle());
        QCOMPARE(h.count(QStringLiteral("ZhaoBiao/CompanyInfo")), 1);
        QCOMPARE(h.sent(QStringLiteral("ZhaoBiao/CompanyInfo")).value("id").toString(), "8");
        QCOMPARE(bids->findChild<OrderAlertView *>()->companyName(), "上海钢联物资有限公司");
        bids->didSelectRow(0);
        auto *bid = qobject_cast<MyBiddingDetail *>(h.stack().topViewController());
        QVERIFY(h.settle());
        QCOMPARE(bid->fields().value("yieldly").toString() + bid->fields().value("price").toString(), "沙钢3580");
    }
};

QTEST_GUILESS_MAIN(TestBidding)
#include "tst_bidding.moc"
