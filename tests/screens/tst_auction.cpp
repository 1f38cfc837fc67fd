// The auction and tender lists' count line and paging, and the lot's bookmark.
#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "core/session/UserInfo.h"
#include "screens/market/Auction.h"
#include "screens/market/AuctionDetail.h"
#include "screens/trade/Bidding.h"

#include <QTest>

namespace {
QByteArray lots(int count)
{
    return ScreenHarness::listReply(0, count, [](int i) {
        return R"({"auctionCode":"PM)" + QByteArray::number(i) + R"(","nsortName":"热轧板卷","price":3900})";
    }, R"("total":"999",)");
}
const QString kList = QStringLiteral("auction/GetAuctionList");
} // namespace

class TestAuction : public QObject
{
    Q_OBJECT
private slots:
    // The count line counts the rows held, whatever the total says. Each later number is one
    // "加载更多" answered with that many rows; the next one asks for the page after those held.
    void countLineAndPaging_data()
    {
        QTest::addColumn<bool>("tenders");   // else the auctions
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pageIndex");
        QTest::newRow("auctions: two full pages") << false << QList<int>{10, 10} << 20 << 2;
        QTest::newRow("auctions: an empty third page") << false << QList<int>{10, 10, 0} << 20 << 2;
        QTest::newRow("auctions: nothing on the market") << false << QList<int>{0} << 0 << 1;
        QTest::newRow("tenders: two pages") << true << QList<int>{10, 4} << 14 << 2;
        QTest::newRow("tenders: past the end asks for the same page again") << true << QList<int>{10, 0, 0} << 10 << 1;
    }
    void countLineAndPaging()
    {
        QFETCH(bool, tenders);
        QFETCH(QList<int>, pages);
        QFETCH(int, rows);
        QFETCH(int, pageIndex);
        ScreenHarness h;
        const QString path = tenders ? QStringLiteral("ZhaoBiao/Search") : kList;
        const auto page = [](int n) {
            return ScreenHarness::listReply(0, n, [](int i) { return "{\"id\":\"" + QByteArray::number(i) + "\"}"; }, R"("total":"999",)");
        };
        h.reply(path, page(pages.first()));
        BaseScreen *screen = h.open(tenders ? static_cast<BaseScreen *>(new Bidding) : new Auction);
        auto *list = screen->property("mainlist").value<PagedListModel *>();
        QVERIFY(h.settle());
        for (int more : pages.mid(1)) {
            h.reply(path, page(more));
            list->loadMore();
            QVERIFY(h.settle());
        }
        QCOMPARE(screen->property("mainLabel").toString(), QStringLiteral("一共为您准备了%1条资源").arg(rows));
        QCOMPARE(list->pageIndex(), pageIndex);
        list->loadMore();
        QVERIFY(h.settle());
        QCOMPARE(h.sent(path).value(QStringLiteral("pageIndex")).toString(), QString::number(pageIndex + 1));
    }

    void bookmarkNeedsALogin_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("bookmarks");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("logged out: login screen, nothing sent") << false << "UserLogin" << 0 << QStringList{};
        QTest::newRow("logged in") << true << "AuctionDetail" << 1 << QStringList{AuctionDetail::bookmarkedText()};
    }
    void bookmarkNeedsALogin()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QString, top);
        QFETCH(int, bookmarks);
        QFETCH(QStringList, alerts);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("3"));
        UserInfo::info()->setIsOnline(loggedIn);
        h.reply(kList, lots(3));
        h.reply(QStringLiteral("auction/getDetails"),
                R"({"errorCode":0,"data":{"auctionCode":"PM1","weight":"120","price":"3900","fudu":"20","fuKuanShiJian":"3"}})");
        auto *list = h.open(new Auction);
        QVERIFY(h.settle());
        list->didSelectRow(1);
        auto *detail = qobject_cast<AuctionDetail *>(h.stack().topViewController());
        QVERIFY(detail);
        QVERIFY(h.settle());
        QCOMPARE(h.sent(QStringLiteral("auction/getDetails")).value(QStringLiteral("auctionCode")).toString(), "PM1");
        QCOMPARE(detail->fields().value(QStringLiteral("weight")).toString(), QStringLiteral("120吨（理计重量）"));
        detail->addFavorites();
        QVERIFY(h.settle());
        QCOMPARE(h.screens().last(), top);
        QCOMPARE(h.count(QStringLiteral("auction/collect")), bookmarks);
        QCOMPARE(h.takeAlerts(), alerts);
    }
};

QTEST_GUILESS_MAIN(TestAuction)
#include "tst_auction.moc"
