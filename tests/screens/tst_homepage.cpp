// The home page's deal ticker, background tap and entry buttons.
#include "ScreenHarness.h"
#include "core/platform/ScreenMetrics.h"
#include "core/platform/UserDefaults.h"
#include "screens/market/DealTicker.h"
#include "screens/market/HomePage.h"

#include <QTest>

namespace {
QByteArray home(int deals)
{
    QByteArray rows;
    for (int i = 0; i < deals; ++i)
        rows += (rows.isEmpty() ? "" : ",")
                + QByteArray(R"({"phoneNumber":"13812345678","price":"3500","weight":"20","nsortName":"螺纹钢"})");
    return R"({"errorCode":0,"data":{"OrderList":[)" + rows
           + R"(],"ImagesList":[{"iamgeUrl":"","linkUrl":"http://a"},{"iamgeUrl":"","linkUrl":"http://b"}]}})";
}
} // namespace

class TestHomePage : public QObject
{
    Q_OBJECT
private slots:
    void ticker_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("deals");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("emptyLine");
        QTest::addColumn<QString>("afterTap");
        QTest::newRow("568, 4 deals") << 568 << 4 << 4 << "" << "MoreBuy";
        QTest::newRow("568, 2 deals: no line, the tap still works") << 568 << 2 << 0 << "" << "MoreBuy";
        QTest::newRow("480, 3 deals: one line") << 480 << 3 << 1 << "" << "MoreBuy";
        QTest::newRow("no deals: the empty line, no tap") << 568 << 0 << 0 << "   暂时没有更多成交记录" << "HomePage";
    }
    void ticker()
    {
        QFETCH(int, height);
        QFETCH(int, deals);
        QFETCH(int, lines);
        QFETCH(QString, emptyLine);
        QFETCH(QString, afterTap);
        ScreenHarness h;
        h.context().service<ScreenMetrics>()->setSize(320, height);
        h.reply(QStringLiteral("index/GetIndexData"), home(deals));
        auto *page = h.open(new HomePage);
        QVERIFY(h.settle());
        QCOMPARE(page->tickerLines().size(), lines);
        for (const QVariant &line : page->tickerLines())
            QCOMPARE(line.toMap().value(QStringLiteral("text")).toString(),
                     QStringLiteral("138*****678 以3500元/吨的价格成交20吨螺纹钢"));
        QCOMPARE(page->emptyLineText(), emptyLine);
        QCOMPARE(page->strip()->numberOfPages(), 2);
        page->touchesBackground();
        QCOMPARE(h.screens().last(), afterTap);
    }

    void priceAndWeightRedWhereTheyStand()
    {
        // A weight of "3" must colour the weight, not the 3 of the phone number.
        const DealTicker::Line line = DealTicker::dealLine(
            {{"phoneNumber", "13312345673"}, {"price", "3300"}, {"weight", "3"}, {"nsortName", "线材"}});
        QCOMPARE(line.text, QStringLiteral("133*****673 以3300元/吨的价格成交3吨线材"));
        QCOMPARE(line.styledText(), QStringLiteral("133*****673 以<font color=\"#ff0000\">3300</font>元/吨的价格成交"
                                                   "<font color=\"#ff0000\">3</font>吨线材"));
    }

    void supermarketButtonLeavesSteelMillMode()
    {
        ScreenHarness h;
        UserDefaults::standardUserDefaults()->setObject(QStringLiteral("yes"), QStringLiteral("shifougangchang"));
        auto *page = h.open(new HomePage);
        page->buttonPressed(1000);
        QCOMPARE(UserDefaults::standardUserDefaults()->stringForKey(QStringLiteral("shifougangchang")), QStringLiteral("no'"));
        QCOMPARE(h.screens(), (QStringList{"HomePage", "SuperMarket"}));
    }
};

QTEST_GUILESS_MAIN(TestHomePage)
#include "tst_homepage.moc"
