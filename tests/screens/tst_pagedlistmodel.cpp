#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/NotificationNames.h"
#include "core/session/UserInfo.h"
#include "screens/im/AllMyfriendsViewController.h"
#include "screens/market/BrandStore.h"
#include "screens/market/FormatSelector.h"
#include "screens/market/MoreBuy.h"
#include "screens/market/SuperMarket.h"

#include <QTest>

namespace {

enum Reply { Full, Short, Empty, Refused, Lost };

// A page of n rows numbered from first; every other row lists its keys the other way round.
QByteArray page(int first, int n)
{
    return ScreenHarness::listReply(first, n, [](int i) {
        const QByteArray name = "\"name\":\"r" + QByteArray::number(i) + "\"", price = "\"price\":" + QByteArray::number(i);
        return "{" + (i % 2 ? price + "," + name : name + "," + price) + "}";
    });
}

ScriptedReply scripted(Reply kind, int first)
{
    const int rows[] = {10, 3, 0};
    if (kind == Refused)
        return ScriptedReply::json(R"({"errorCode":"2","message":"暂无权限"})");
    return kind == Lost ? ScriptedReply::closeWithoutReply() : ScriptedReply::json(page(first, rows[kind]));
}

/// A list whose page n is fetched from the path "p<n>".
struct List
{
    ScreenHarness h;
    PagedListModel model{{QStringLiteral("name"), QStringLiteral("price")}};
    List()
    {
        model.setFetch([](Request *r, int index, int) { r->startConnection(QStringLiteral("p%1").arg(index)); });
    }
    void answer(int page, const ScriptedReply &reply) { h.service().setReply(QStringLiteral("p%1").arg(page), reply); }
};

// Five lists of different kinds, each opened on its screen: the screen and its one model.
enum Screen { Market, Deals, Friends, Mills, Specs };
const char *const kPaths[] = {"Market/Search", "Index/GetNewsOrdersList", "IM/GetFriendList", "market/GetYieldly",
                              "market/getspec"};
std::pair<ViewController *, PagedListModel *> openScreen(Screen s)
{
    switch (s) {
    case Market: { auto *v = new SuperMarket; return {v, v->mainlist()}; }
    case Deals: { auto *v = new MoreBuy; return {v, v->mainlist()}; }
    case Friends: { auto *v = new AllMyfriendsViewController; return {v, v->shujuArr()}; }
    case Mills: { auto *v = new BrandStore; return {v, v->mills()}; }
    case Specs: break;
    }
    auto *v = new FormatSelector;
    return {v, v->list()};
}
enum Step { Refresh, LoadMore, Stale, EmptyLater, RefusedFirst };
} // namespace

class TestPagedListModel : public QObject
{
    Q_OBJECT
private slots:
    // Every list goes through the one model: a refresh replaces, a load-more appends (paged lists
    // only), a reply overtaken by a refresh is dropped, an empty later page keeps the rows, and a
    // refused first page alerts once and offers a retry that loads it.
    void screens_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("requests");
        const char *names[] = {"market", "deals", "friends", "mills", "specs"};
        for (int s = Market; s <= Specs; ++s) {
            const bool paged = s == Market;
            QTest::addRow("%s: refresh", names[s]) << s << int(Refresh) << 3 << 2;
            QTest::addRow("%s: load more", names[s]) << s << int(LoadMore) << (paged ? 13 : 10) << (paged ? 2 : 1);
            QTest::addRow("%s: stale reply dropped", names[s]) << s << int(Stale) << 4 << 3;
            QTest::addRow("%s: empty later page", names[s]) << s << int(EmptyLater) << 10 << (paged ? 2 : 1);
            QTest::addRow("%s: refused, then retried", names[s]) << s << int(RefusedFirst) << 3 << 2;
        }
    }
    void screens()
    {
        QFETCH(int, screen);
        QFETCH(int, step);
        ScreenHarness h;
        UserInfo::info()->setUserId(QStringLiteral("7"));
        const QString path = QString::fromLatin1(kPaths[screen]);
        h.reply(path, step == RefusedFirst ? R"({"errorCode":"2","message":"暂无权限"})" : page(1, 10));
        auto [view, list] = openScreen(Screen(screen));
        h.open(view);
        QVERIFY(h.settle());
        QCOMPARE(list->failed(), step == RefusedFirst);
        QCOMPARE(h.takeAlerts(), step == RefusedFirst ? QStringList{"暂无权限"} : QStringList{});
        switch (step) {
        case Refresh: h.reply(path, page(100, 3)); list->refresh(); break;
        case LoadMore: h.reply(path, page(11, 3)); list->loadMore(); break;
        case EmptyLater: h.reply(path, page(11, 0)); list->loadMore(); break;
        case RefusedFirst: h.reply(path, page(1, 3)); list->retry(); break;
        case Stale: {
            ScriptedReply late = ScriptedReply::json(page(11, 10));
            late.delayMs = 200;
            h.service().setReply(path, late);
            screen == Market ? list->loadMore() : list->refresh();
            QVERIFY(h.service().waitForRequests(2));
            h.reply(path, page(100, 4));
            list->refresh();
        }
        }
        QVERIFY(h.settle());
        QTEST(list->count(), "rows");
        QTEST(int(h.count(path)), "requests");
        QVERIFY(!list->failed() && !list->loading() && h.alertTexts().isEmpty());
        QCOMPARE(list->footerTitle(), screen == Market ? "加载更多" : "点击加载更多");
        QCOMPARE(list->pullUpRefresh(), screen == Friends);
        // An empty later page steps the market's page back, so the next load-more asks for it again.
        QCOMPARE(list->pageIndex(), screen == Market && (step == LoadMore) ? 2 : 1);
    }

    // A list that could not reach the service loads again by itself once the session logs in
    // again, or once the service answers another call.
    void transportFailureReloadsOnReconnect_data()
    {
        QTest::addColumn<bool>("login");
        QTest::newRow("session logged in again") << true;
        QTest::newRow("service answers again") << false;
    }
    void transportFailureReloadsOnReconnect()
    {
        QFETCH(bool, login);
        List l;
        l.answer(1, ScriptedReply::closeWithoutReply());
        l.model.refresh();
        QVERIFY(l.h.settle());
        QVERIFY(l.model.failed());
        l.answer(1, ScriptedReply::json(page(1, 3)));
        if (login)
            l.h.context().notificationCenter()->postNotification(NotificationNames::LoginSuccessInfo);
        else
            Request::request()->startConnection(QStringLiteral("other"));
        QVERIFY(l.h.settle());
        QCOMPARE(l.model.count(), 3);
        QVERIFY(!l.model.failed());
    }

    void pageRules_data()
    {
        QTest::addColumn<int>("footerRule");
        QTest::addColumn<QList<int>>("stepBack"); // on refusal, on failure, on empty page
        QTest::addColumn<QList<int>>("replies");  // first page, then further pages
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<bool>("footer");
        QTest::addColumn<int>("alerts");
        const QList<int> orders{1, 1, 0}, market{0, 0, 1};
        const int first = PagedListModel::FooterWhenFirstPageFull, last = PagedListModel::FooterWhenLastPageFull;
        QTest::newRow("full first page: footer") << first << orders << QList<int>{Full} << 10 << 1 << true << 0;
        QTest::newRow("short first page: none") << first << orders << QList<int>{Short} << 3 << 1 << false << 0;
        QTest::newRow("first-page footer stays") << first << orders << QList<int>{Full, Short} << 13 << 2 << true << 0;
        QTest::newRow("last-page footer goes") << last << orders << QList<int>{Full, Short} << 13 << 2 << false << 0;
        QTest::newRow("refusal steps back") << first << orders << QList<int>{Full, Refused} << 10 << 1 << true << 1;
        QTest::newRow("lost steps back") << first << orders << QList<int>{Full, Lost} << 10 << 1 << true << 0;
        QTest::newRow("empty page keeps the index") << first << orders << QList<int>{Full, Empty} << 10 << 2 << true << 0;
        QTest::newRow("empty page steps back") << last << market << QList<int>{Full, Empty} << 10 << 1 << false << 0;
        QTest::newRow("refusal, no step back") << last << market << QList<int>{Full, Refused} << 10 << 2 << true << 1;
        QTest::newRow("refused first page") << first << orders << QList<int>{Refused} << 0 << 0 << false << 1;
    }
    void pageRules()
    {
        QFETCH(int, footerRule);
        QFETCH(QList<int>, stepBack);
        QFETCH(QList<int>, replies);
        List l;
        l.model.setFooterRule(PagedListModel::FooterRule(footerRule));
        l.model.setStepBack(stepBack[0], stepBack[1], stepBack[2]);
        for (int i = 0; i < replies.size(); ++i) {
            l.answer(i + 1, scripted(Reply(replies[i]), i * 10));
            i == 0 ? l.model.refresh() : l.model.loadMore();
            QVERIFY(l.h.settle());
        }
        QTEST(l.model.count(), "rows");
        QTEST(l.model.pageIndex(), "pageIndex");
        QTEST(l.model.footerShown(), "footer");
        QTEST(int(l.h.alertTexts().size()), "alerts");
        QVERIFY(l.h.alertTexts().isEmpty() || l.h.alertTexts().constFirst() == QStringLiteral("暂无权限"));
        QVERIFY(!l.model.loading());
    }

    // Roles are declared once: a reply with its keys in another order (and one more) reads the same.
    void rolesStayAcrossARefresh()
    {
        List l;
        l.model.setRowMapping([](const QVariantMap &row) {
            return QVariantMap{{QStringLiteral("name"), row.value(QStringLiteral("name"))},
                               {QStringLiteral("price"), row.value(QStringLiteral("price")).toString() + u'元'}};
        });
        const QHash<int, QByteArray> roles = l.model.roleNames();
        for (const QByteArray &reply : {page(1, 2), QByteArray(R"({"data":[{"extra":1,"price":2,"name":"r2"}]})")}) {
            l.answer(1, ScriptedReply::json(reply));
            l.model.refresh();
            QVERIFY(l.h.settle());
            QCOMPARE(l.model.roleNames(), roles);
            const QModelIndex last = l.model.index(l.model.count() - 1);
            QCOMPARE(l.model.data(last, roles.key("price")).toString(), QStringLiteral("2元"));
            QCOMPARE(l.model.data(last, roles.key("name")).toString(), QStringLiteral("r2"));
        }
    }

    // A guarded call with nobody logged in sends nothing and frees its request: the load ends.
    void unsentRequestEndsTheLoad()
    {
        List l;
        l.model.setFetch([](Request *r, int, int) { r->orderListWithRole(QStringLiteral("buy"), 1, 1, nullptr); });
        l.model.refresh();
        QTRY_VERIFY(!l.model.loading());
        QCOMPARE(l.model.pageIndex(), 0);
        QCOMPARE(l.h.service().count(), 0);
    }
};

QTEST_MAIN(TestPagedListModel)
#include "tst_pagedlistmodel.moc"
