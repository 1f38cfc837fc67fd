// The market pages drawn against the local market service with its demo market: each loads
// without a QML warning once its data has arrived, and its picture is kept.
#include "ServerProcess.h"
#include "SessionPeer.h"
#include "WarningLog.h"
#include "WindowHarness.h"

#include "app/Alerts.h"
#include "app/NavigationStack.h"
#include "core/api/Request.h"
#include "core/util/Custom.h"
#include "core/util/Value.h"
#include "screens/account/UserLogin.h"
#include "screens/info/ArticleList.h"
#include "screens/info/OpenWebsite.h"
#include "screens/market/Auction.h"
#include "screens/market/AuctionDetail.h"
#include "screens/market/BrandStore.h"
#include "screens/market/FindItem.h"
#include "screens/market/GoBuy.h"
#include "screens/market/HomePage.h"
#include "screens/market/InfoSelector.h"
#include "screens/market/MoreBuy.h"
#include "screens/market/SubClassSelector.h"
#include "screens/market/SuperMarket.h"
#include "core/session/UserInfo.h"
#include "app/AlertStyleValue1.h"
#include "screens/resources/AddResure.h"
#include "screens/resources/MyResureTabBar.h"
#include "screens/resources/ResureList.h"
#include "screens/trade/AddBidding.h"
#include "screens/trade/Bidding.h"
#include "screens/trade/BiddingDetail.h"
#include "screens/trade/BiddingTabBar.h"
#include "screens/trade/MyBidding.h"
#include "screens/trade/MyTenderList.h"
#include "screens/trade/HomeBiddingDetail.h"
#include "screens/trade/BuyersDidPay.h"
#include "screens/trade/OrderDetail.h"
#include "app/FerroxAlert.h"
#include "app/SuperController.h"
#include "screens/resources/MyBusiness.h"
#include "screens/trade/BuyersDealTabBar.h"
#include "screens/trade/BuyersUNPay.h"
#include "screens/trade/SellerUNPay.h"
#include "screens/trade/SellerUNPayDetail.h"
#include "screens/trade/UploadEvidence.h"

#include <QtQml/qqmlextensionplugin.h>
#include <functional>

Q_IMPORT_QML_PLUGIN(VelmoraPlugin)

namespace {
/// Opens a page; returns what says its pictures and lists have all arrived.
using Ready = std::function<bool()>;
using Show = std::function<Ready(ViewController *home)>;
using Flow = std::function<void(WindowHarness &, const Ready &settled)>;
const Ready kNothingMore = [] { return true; };

/// The screen a person sees: the top of the selected tab, or of what it presents.
BaseScreen *top(const WindowHarness &w)
{
    NavigationStack *stack = w.shell->viewControllers().at(w.shell->selectedIndex());
    while (stack->presentedStack())
        stack = stack->presentedStack();
    return static_cast<BaseScreen *>(stack->topViewController());
}
} // namespace

Q_DECLARE_METATYPE(Show)
Q_DECLARE_METATYPE(Flow)

class TestMarketPages : public QObject
{
    Q_OBJECT
    std::unique_ptr<ServerProcess> m_server;

private slots:
    void initTestCase()
    {
        Frontend::prepareApplication();
        WarningLog::install();
        m_server = std::make_unique<ServerProcess>(QStringLiteral(VELMORA_SERVER_BIN));
        QVERIFY2(m_server->start({QStringLiteral("--demo"), QStringLiteral("--trust-user-ids")}), qPrintable(m_server->errorText()));
    }
    void cleanupTestCase() { m_server.reset(); }
    void init() { WarningLog::clear(); }
    void cleanup() { QVERIFY2(WarningLog::isEmpty(), qPrintable(WarningLog::text())); }

    void pageRenders_data()
    {
        QTest::addColumn<Show>("show");
        QTest::newRow("home") << Show([](ViewController *home) -> Ready {
            auto *page = static_cast<HomePage *>(home);
            return [page] {
                const QVariantList adverts = page->strip()->adverts();
                return !adverts.isEmpty() && std::all_of(adverts.cbegin(), adverts.cend(), [](const QVariant &a) {
                    return !a.toMap().value(QStringLiteral("picture")).toUrl().isEmpty();
                });
            };
        });
        QTest::newRow("auction detail") << Show([](ViewController *home) -> Ready {
            auto *detail = new AuctionDetail;
            detail->setPmCode(QStringLiteral("PM02026120"));
            home->pushViewController(detail);
            return kNothingMore;
        });
        QTest::newRow("place picker") << Show([](ViewController *home) -> Ready {
            auto *picker = new InfoSelector;
            picker->setTitle(QStringLiteral("城市选择"));
            picker->setList(Value::list(Custom::loadPlistName(QStringLiteral("Province"))));
            home->pushViewController(picker);
            return kNothingMore;
        });
        QTest::newRow("kind picker") << Show([](ViewController *home) -> Ready {
            auto *picker = new SubClassSelector;
            picker->setTitle(QStringLiteral("品种选择"));
            picker->setClassId(QStringLiteral("2"));
            home->pushViewController(picker);
            return kNothingMore;
        });
        QTest::newRow("auctions") << Show([](ViewController *home) { home->pushViewController(new Auction); return kNothingMore; });
        QTest::newRow("mills") << Show([](ViewController *home) -> Ready {
            auto *store = new BrandStore;
            home->pushViewController(store);
            return [store] { return !store->loadingList(); };
        });
        QTest::newRow("find goods") << Show([](ViewController *home) { home->pushViewController(new FindItem); return kNothingMore; });
        QTest::newRow("latest deals") << Show([](ViewController *home) { home->pushViewController(new MoreBuy); return kNothingMore; });
        // The buyer's and the seller's own tender screens, as the first demo user (the service
        // trusts the user id here: no session is opened).
        const auto asDemoUser = [](const char *id = "1") {
            UserInfo::info()->setUserId(QString::fromLatin1(id));
            UserInfo::info()->setIsOnline(true);
        };
        QTest::newRow("my tenders") << Show([asDemoUser](ViewController *home) -> Ready {
            asDemoUser();
            auto *tabs = new BiddingTabBar;
            home->pushViewController(tabs);
            auto *list = static_cast<MyTenderList *>(tabs->viewControllers().first());
            return [list] { return list->dataArray()->count() > 0; };
        });
        QTest::newRow("my tender") << Show([asDemoUser](ViewController *home) -> Ready {
            asDemoUser();
            auto *detail = new BiddingDetail; // a published one: the service opens no draft without the owner's key
            detail->setType(BiddingDetail::Published);
            detail->setZhaobiaoID(QStringLiteral("2"));
            home->pushViewController(detail);
            return [detail] { return !detail->fields().isEmpty(); };
        });
        QTest::newRow("tender form") << Show([asDemoUser](ViewController *home) -> Ready {
            asDemoUser();
            auto *form = new AddBidding;
            form->infoEditDidFinish(QStringLiteral("300"), 4);
            form->infoEditDidFinish(QStringLiteral("3600"), 5);
            form->changeLabelText(QStringLiteral("现款"));
            home->pushViewController(form);
            return kNothingMore;
        });
        // A kind without a material list: the material is typed.
        QTest::newRow("resource material typed") << Show([](ViewController *home) { auto *form = new AddResure; home->pushViewController(form); form->chooseMaterial(); return kNothingMore; });
        QTest::newRow("my bids") << Show([asDemoUser](ViewController *home) -> Ready {
            asDemoUser("2");
            auto *bids = new MyBidding;
            home->pushViewController(bids);
            return [bids] { return bids->dataArray()->count() > 0; };
        });
    }
    void pageRenders()
    {
        QFETCH(Show, show);
        WindowHarness w;
        w.ctx->mutableConfig().serviceBaseUrl = m_server->baseUrl();
        QVERIFY(w.open());
        const Ready ready = show(w.home());
        // Replies, pictures and transitions all settle before the picture is taken.
        QTRY_VERIFY_WITH_TIMEOUT(ready() && w.ctx->findChildren<Request *>().isEmpty() && !w.busy(), 10000);
        const QImage image = w.grab();
        QVERIFY(!image.isNull());
        WindowHarness::keep(image, QStringLiteral("market-") + QString::fromUtf8(QTest::currentDataTag()));
    }

    // Walks through the window as a person would, from the home page or a tab; pictures are kept.
    void flows_data()
    {
        QTest::addColumn<Flow>("flow");
        // "招标" on the home page opens the tender market; a tender's row opens its detail.
        QTest::newRow("tenders") << Flow([](WindowHarness &w, const Ready &settled) {
            w.click(w.shownWith("text", QStringLiteral("招标")));
            auto *market = qobject_cast<Bidding *>(top(w));
            QVERIFY(market);
            QTRY_VERIFY_WITH_TIMEOUT(market->mainlist()->count() > 0 && settled(), 10000);
            WindowHarness::keep(w.grab(), QStringLiteral("market-tenders"));
            const QString kind = market->mainlist()->get(0).value(QStringLiteral("nsortName")).toString();
            w.click(w.shownWith("nsortName", kind));
            auto *detail = qobject_cast<HomeBiddingDetail *>(top(w));
            QVERIFY(detail);
            QTRY_VERIFY_WITH_TIMEOUT(!detail->fields().isEmpty() && settled(), 10000);
            QCOMPARE(detail->fields().value(QStringLiteral("nsortName")).toString(), kind);
            WindowHarness::keep(w.grab(), QStringLiteral("market-tender-detail"));
        });
        // 我的业务 after a login: its 已完成的订单 row opens the buyer's completed orders, a row the
        // order's detail; the evidence screen is pictured from there.
        QTest::newRow("business hub") << Flow([this](WindowHarness &w, const Ready &settled) {
            auto buyer = SessionPeer::open(m_server->sessionPort(), QStringLiteral("13800000001"), QStringLiteral("demo123"));
            QVERIFY(buyer);
            w.ctx->service<UserInfo>()->setBaseInfo(buyer->lastFrame().object());
            w.ctx->service<UserInfo>()->setIsOnline(true);
            w.shell->pressedItemFromButtonTag(1);
            QTRY_VERIFY(settled());
            WindowHarness::keep(w.grab(), QStringLiteral("orders-hub"));
            w.click(w.shownWith("text", QStringLiteral("已完成的订单")));
            auto *list = qobject_cast<BuyersDidPay *>(top(w));
            QVERIFY(list);
            QTRY_VERIFY_WITH_TIMEOUT(list->dataArray()->count() > 0 && settled(), 10000);
            WindowHarness::keep(w.grab(), QStringLiteral("orders-completed"));
            w.click(w.shownWith("time", list->dataArray()->get(0).value(QStringLiteral("time"))));
            auto *detail = qobject_cast<OrderDetail *>(top(w));
            QVERIFY(detail);
            QTRY_VERIFY_WITH_TIMEOUT(!detail->orderDetailId().isEmpty() && settled(), 10000);
            WindowHarness::keep(w.grab(), QStringLiteral("orders-detail"));
            detail->upload();
            QVERIFY(qobject_cast<UploadEvidence *>(top(w)));
            QTRY_VERIFY(settled());
            WindowHarness::keep(w.grab(), QStringLiteral("orders-evidence"));
        });
        // 我的资源管理 as a seller: a new resource through the form and its pickers, saved, chosen on
        // the unpublished list and published; the supermarket then shows it.
        QTest::newRow("resources") << Flow([this](WindowHarness &w, const Ready &settled) {
            auto seller = SessionPeer::open(m_server->sessionPort(), QStringLiteral("13800000002"), QStringLiteral("demo123"));
            QVERIFY(seller);
            w.ctx->service<UserInfo>()->setBaseInfo(seller->lastFrame().object());   // online with it
            w.shell->pressedItemFromButtonTag(1);
            QTRY_VERIFY(settled());
            w.click(w.shownWith("text", QStringLiteral("我的资源管理")));
            auto *tabs = qobject_cast<MyResureTabBar *>(top(w));
            QVERIFY(tabs);
            tabs->addBtnPressed();
            auto *form = qobject_cast<AddResure *>(top(w));
            QTRY_VERIFY_WITH_TIMEOUT(form && !form->dalei().isEmpty() && settled(), 10000);
            for (const char *choose : {"chooseCategory", "chooseKind", "chooseMaterial", "chooseCountType", "chooseCity"}) {
                QMetaObject::invokeMethod(form, choose);
                auto *picker = qobject_cast<InfoSelector *>(top(w));
                QTRY_VERIFY(picker && settled());
                if (qstrcmp(choose, "chooseCity") == 0) {   // a province, then its first city
                    picker->didSelectRow(2);
                    QTRY_VERIFY(top(w) != picker && settled());
                    picker = qobject_cast<InfoSelector *>(top(w));
                }
                w.click(w.shownWith("text", picker->list()->get(0).value(QStringLiteral("text"))));
                QTRY_VERIFY(top(w) == form && settled());
            }
            for (const QString kv : {"spec=7.7*1777", "yieldly=宝钢", "weight=30", "price=3600", "cangku=一号库"})
                form->form()->field(kv.section(u'=', 0, 0))->setText(kv.section(u'=', 1));
            WindowHarness::keep(w.grab(), QStringLiteral("resources-form"));
            w.shownWith("title", form->saveTitle())->forceActiveFocus();   // below the fold: Return on it
            QTest::keyClick(w.window(), Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<AlertStyleValue1 *>(form->viewWithTag(FerroxAlert::kTag)) && settled(), 10000);
            w.click(w.shownWith("text", QStringLiteral("现在就去发布")));
            ResureList *unpublished = tabs->thirdController();
            const auto heads = [](OrderList *list) { return list->serviceRow(0).value(QStringLiteral("spec")).toString() == QLatin1String("7.7*1777"); };   // newest first
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<MyResureTabBar *>(top(w)) == tabs && tabs->selectedIndex() == 2 && heads(unpublished) && settled(), 10000);
            unpublished->dataArray()->toggleSelected(0);
            WindowHarness::keep(w.grab(), QStringLiteral("resources-unpublished"));
            w.click(w.shownWith("title", unpublished->chosenTitle()));
            QTRY_VERIFY_WITH_TIMEOUT(unpublished->viewWithTag(FerroxAlert::kTag) && settled(), 10000);
            QTest::keyClick(w.window(), Qt::Key_Escape);   // closes the notice, the lists stay
            QVERIFY(!unpublished->viewWithTag(FerroxAlert::kTag) && qobject_cast<MyResureTabBar *>(top(w)) == tabs);
            for (int tab : {1, 0}) {
                tabs->titleButtons().at(tab)->press();
                QTRY_VERIFY(settled());
                WindowHarness::keep(w.grab(), QStringLiteral("resources-tab%1").arg(tab));
            }
            QVERIFY(heads(tabs->firstController()));
            w.shell->pressedItemFromButtonTag(0);
            auto *market = new SuperMarket;
            w.home()->pushViewController(market);
            QTRY_VERIFY_WITH_TIMEOUT(market->mainlist()->get(0).value(QStringLiteral("spec")).toString() == QLatin1String("7.7*1777") && settled(), 10000);
        });
        // A newcomer on 我的账户: the login screen's 快速注册, the code the service sent, a
        // password, then the login; the account tab then shows the new user.
        QTest::newRow("registration") << Flow([this](WindowHarness &w, const Ready &settled) {
            const QString mobile = QStringLiteral("13712345670");
            const auto act = [&](const char *action, QStringList typed) {
                for (const QString &kv : typed)
                    top(w)->form()->field(kv.section(u'=', 0, 0))->setText(kv.section(u'=', 1));
                QMetaObject::invokeMethod(top(w), action);
                QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
            };
            w.shell->pressedItemFromButtonTag(3);
            QTRY_VERIFY(qobject_cast<UserLogin *>(top(w)) && settled());
            w.click(w.shownWith("title", QStringLiteral("快速注册")));
            act("get", {"user=" + mobile});
            WindowHarness::keep(w.grab(), QStringLiteral("registration"));
            act("done", {"code=" + m_server->lastCode(mobile)});
            QVERIFY(w.ctx->service<Alerts>()->confirm());   // "现在就去"
            act("update", {"pass=pa55word", "confirm=pa55word"});
            w.ctx->service<Alerts>()->topAlert()->clickedButtonAtIndex(0);
            act("login", {"pass=pa55word"});
            QTRY_VERIFY_WITH_TIMEOUT(top(w) == w.shell->getViewControllerWithIndex(3) && settled(), 10000);
            QVERIFY(w.shownWith("text", mobile));
            WindowHarness::keep(w.grab(), QStringLiteral("account-registered"));
        });
        // 行情中心 on the home page opens the information centre; an article opens in the reader.
        QTest::newRow("information") << Flow([](WindowHarness &w, const Ready &settled) {
            w.click(w.shownWith("text", QStringLiteral("行情中心")));
            auto *list = qobject_cast<ArticleList *>(top(w));
            QVERIFY(list);
            QTRY_VERIFY_WITH_TIMEOUT(list->mainlist()->count() > 0 && settled(), 10000);
            WindowHarness::keep(w.grab(), QStringLiteral("information-centre"));
            w.click(w.shownWith("title", list->mainlist()->get(0).value(QStringLiteral("title"))));
            auto *reader = qobject_cast<OpenWebsite *>(top(w));
            QVERIFY(reader);
            QTRY_VERIFY_WITH_TIMEOUT(reader->pageShown() && !reader->html().isEmpty() && settled(), 10000);
            WindowHarness::keep(w.grab(), QStringLiteral("information-article"));
        });
        // The buyer orders in the supermarket, logging in on the way, and finds the order waiting;
        // the seller, a second client, confirms it in its own list; the push marks the buyer's
        // 交易中的订单 until the buyer opens that row.
        QTest::newRow("order confirmed by the seller") << Flow([this](WindowHarness &w, const Ready &settled) {
            w.click(w.shownWith("text", QStringLiteral("超市")));
            auto *market = qobject_cast<SuperMarket *>(top(w));
            QTRY_VERIFY_WITH_TIMEOUT(market && market->mainlist()->count() > 0 && settled(), 10000);
            w.click(w.shownWith("nsortName", market->mainlist()->get(0).value(QStringLiteral("nsortName"))));
            auto *buy = qobject_cast<GoBuy *>(top(w));
            QTRY_VERIFY_WITH_TIMEOUT(buy && !buy->resourceInfo().isEmpty() && settled(), 10000);
            const bool sellerIsFirst = buy->resourceInfo().value(QStringLiteral("mobile")) == QLatin1String("13800000001");
            buy->form()->field(QStringLiteral("weight"))->setText(QStringLiteral("1"));
            buy->form()->field(QStringLiteral("price"))->setText(buy->resourceInfo().value(QStringLiteral("price")).toString());
            buy->submit();   // nobody logged in yet: the login screen first
            QTRY_VERIFY(qobject_cast<UserLogin *>(top(w)) && settled());
            top(w)->form()->field(QStringLiteral("user"))->setText(sellerIsFirst ? QStringLiteral("13800000002") : QStringLiteral("13800000001"));
            top(w)->form()->field(QStringLiteral("pass"))->setText(QStringLiteral("demo123"));
            QMetaObject::invokeMethod(top(w), "login");
            QTRY_VERIFY_WITH_TIMEOUT(top(w) == buy && settled(), 10000);
            buy->submit();
            QTRY_VERIFY_WITH_TIMEOUT(buy->orderState() == GoBuy::Ordered && settled(), 10000);
            QVERIFY(w.ctx->service<Alerts>()->confirm());
            w.shell->pressedItemFromButtonTag(1);
            auto *hub = qobject_cast<MyBusiness *>(top(w));
            QVERIFY(hub);
            QTRY_VERIFY(settled());
            w.click(w.shownWith("text", QStringLiteral("等待卖家确认的订单")));
            auto *waiting = qobject_cast<BuyersUNPay *>(top(w));
            QTRY_VERIFY_WITH_TIMEOUT(waiting && waiting->dataArray()->count() > 0 && settled(), 10000);
            const QString orderId = waiting->serviceRow(0).value(QStringLiteral("id")).toString();
            QCOMPARE(waiting->serviceRow(0).value(QStringLiteral("resourceId")).toString(), buy->orderId());
            waiting->popViewController();
            {
                // The seller's client: a context of its own, current while it lives, so the
                // screens below are the seller's; the service trusts the user id here.
                TestContext sellerSide;
                sellerSide->mutableConfig().serviceBaseUrl = m_server->baseUrl();
                sellerSide->service<UserInfo>()->setUserId(buy->resourceInfo().value(QStringLiteral("LoginInfoID")).toString());
                sellerSide->service<UserInfo>()->setIsOnline(true);
                const auto sellerSettled = [&sellerSide] { return sellerSide->findChildren<Request *>().isEmpty(); };
                NavigationStack stack(new SuperController);
                auto *list = new SellerUNPay;
                stack.pushViewController(list);
                QTRY_VERIFY_WITH_TIMEOUT(list->dataArray()->count() > 0 && sellerSettled(), 10000);
                QCOMPARE(list->serviceRow(0).value(QStringLiteral("id")).toString(), orderId);
                list->actionAtRow(0);
                auto *detail = qobject_cast<SellerUNPayDetail *>(stack.topViewController());
                QTRY_VERIFY_WITH_TIMEOUT(detail && sellerSettled(), 10000);
                detail->sure();
                QTRY_VERIFY_WITH_TIMEOUT(detail->findChild<FerroxAlert *>(), 10000);
            }
            QTRY_VERIFY_WITH_TIMEOUT(hub->isMarked(0, 1) && settled(), 10000);
            QVERIFY(w.shownWith("text", QStringLiteral("订单")));
            WindowHarness::keep(w.grab(), QStringLiteral("orders-hub-marked"));
            w.click(w.shownWith("text", QStringLiteral("交易中的订单")));
            QVERIFY(qobject_cast<BuyersDealTabBar *>(top(w)));
            QVERIFY(!hub->isMarked(0, 1));
        });
    }
    void flows()
    {
        QFETCH(Flow, flow);
        WindowHarness w;
        w.ctx->mutableConfig().serviceBaseUrl = m_server->baseUrl();
        w.ctx->mutableConfig().sessionPort = m_server->sessionPort();
        QVERIFY(w.open());
        const Ready settled = [&w] { return w.ctx->findChildren<Request *>().isEmpty() && !w.busy(); };
        QTRY_VERIFY(settled());
        flow(w, settled);
    }
};

QTEST_MAIN(TestMarketPages)
#include "tst_market_pages.moc"
