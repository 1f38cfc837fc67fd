// The market screens against the local market service with its demo market: browse, filter and
// open, as a person would through the controllers.
#include "ScreenHarness.h"
#include "ServerProcess.h"
#include "screens/market/Auction.h"
#include "screens/market/AuctionDetail.h"
#include "screens/market/BrandStore.h"
#include "screens/market/ClassSelector.h"
#include "screens/market/GoBuy.h"
#include "screens/market/SubClassSelector.h"
#include "screens/market/SuperMarket.h"

#include <QTest>
#include <memory>

class TestMarketBrowsing : public QObject
{
    Q_OBJECT
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<ScreenHarness> m_h;

    template <class Screen>
    Screen *top() const
    {
        return qobject_cast<Screen *>(m_h->stack().topViewController());
    }

private slots:
    void init()
    {
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo")}), qPrintable(m_server->errorText()));
        m_h = std::make_unique<ScreenHarness>();
        m_h->testContext()->mutableConfig().serviceBaseUrl = m_server->baseUrl();
    }
    void cleanup()
    {
        m_h.reset();
        m_server.reset();
    }

    void supermarketFilteredByKindAndCity()
    {
        auto *list = m_h->open(new SuperMarket);
        QVERIFY(m_h->settle());
        QCOMPARE(list->mainlist()->count(), 10);

        // A kind from the kind picker, then a city from the place picker.
        list->filter()->headerButtonPressed(1);
        QVERIFY(m_h->settle());
        auto *kinds = top<SubClassSelector>();
        QVERIFY(kinds && kinds->count() > 0);
        kinds->didSelectRow(0);
        QVERIFY(m_h->settle());
        const QString kind = list->filter()->buttonBTitle();
        QVERIFY(list->mainlist()->count() > 0);
        for (int i = 0; i < list->mainlist()->count(); ++i)
            QCOMPARE(list->mainlist()->get(i).value(QStringLiteral("nsortName")).toString(), kind);
        list->filter()->selectCity();
        const QList<QVariantMap> places = top<InfoSelector>()->list()->rows();
        for (int i = 0; i < places.size(); ++i)
            if (places.at(i).value(QStringLiteral("text")).toString() == u"上海")
                top<InfoSelector>()->didSelectRow(i);
        top<InfoSelector>()->didSelectRow(0);
        QVERIFY(m_h->settle());
        QCOMPARE(list->filter()->provinceId(), "3101");
    }

    void auctionsBrowseAndOpen()
    {
        auto *list = m_h->open(new Auction);
        QVERIFY(m_h->settle());
        list->filter()->headerButtonPressed(0);
        QVERIFY(m_h->settle());
        top<ClassSelector>()->didSelectRow(1);
        QVERIFY(m_h->settle());
        QVERIFY(list->mainlist()->count() > 0);
        list->didSelectRow(0);
        QVERIFY(m_h->settle());
        QVERIFY(top<AuctionDetail>()->fields().value(QStringLiteral("price")).toString().endsWith(u'元'));
    }

    void millGridOpensTheMillsSupermarket()
    {
        auto *store = m_h->open(new BrandStore);
        QTRY_VERIFY(!store->loadingList());
        QVERIFY(store->mills()->count() > 0);
        store->xuanzegangchang(BrandStore::kFirstTag);
        QVERIFY(m_h->settle());
        auto *list = top<SuperMarket>();
        QVERIFY(list->mainlist()->count() > 0);
        QCOMPARE(list->title(), store->mills()->get(0).value(QStringLiteral("name")).toString());
    }
};

QTEST_GUILESS_MAIN(TestMarketBrowsing)
#include "tst_market_browsing.moc"
