// The auction list's count line and paging, and the lot's bookmark.
#include "ScreenHarness.h"
#include "core/session/UserInfo.h"
#include "screens/market/Auction.h"
#include "screens/market/AuctionDetail.h"

#include <QTest>

namespace {
QByteArray lots(int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += (rows.isEmpty() ? "" : ",") + QByteArray(R"({"auctionCode":"PM)") + QByteArray::number(i)
                + R"(","nsortName":"热轧板卷","price":3900})";
    return R"({"errorCode":0,"total":"999","data":[)" + rows + "]}";
}
const QString kList = QStringLiteral("auction/GetAuctionList");
} // namespace

class TestAuction : public QObject
{
    Q_OBJECT
private slots:
    void countLineCountsTheRowsHeld_data()
    {
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QString>("countLine");
        QTest::addColumn<int>("pageIndex");
        QTest::newRow("two full pages") << QList<int>{10, 10} << "一共为您准备了20条资源" << 2;
        QTest::newRow("an empty third page") << QList<int>{10, 10, 0} << "一共为您准备了20条资源" << 2;
        QTest::newRow("nothing on the market") << QList<int>{0} << "一共为您准备了0条资源" << 1;
    }
    void countLineCountsTheRowsHeld()
    {
        QFETCH(QList<int>, pages);
        QFETCH(QString, countLine);
        QFETCH(int, pageIndex);
        ScreenHarness h;
        h.reply(kList, lots(pages.first()));
        auto *list = h.open(new Auction);
        QVERIFY(h.settle());
        for (int more : pages.mid(1)) {
            h.reply(kList, lots(more));
            list->mainlist()->loadMore();
            QVERIFY(h.settle());
        }
        QCOMPARE(list->mainLabel(), countLine);
        QCOMPARE(list->mainlist()->pageIndex(), pageIndex);
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
