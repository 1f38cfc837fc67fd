// The tender market's filters, and the bid form of the market and of a tender's detail.
#include "ScreenHarness.h"
#include "app/Form.h"
#include "core/session/UserInfo.h"
#include "screens/market/InfoSelector.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/HomeBiddingDetail.h"

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
} // namespace

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
};

QTEST_GUILESS_MAIN(TestBidding)
#include "tst_bidding.moc"
