#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"

#include <QTest>

namespace {

enum Reply { Full, Short, Empty, Refused, Lost };

// A page of n rows numbered from first; every other row lists its keys the other way round.
QByteArray page(int first, int n)
{
    QByteArray rows;
    for (int i = first; i < first + n; ++i) {
        const QByteArray name = "\"name\":\"r" + QByteArray::number(i) + "\"", price = "\"price\":" + QByteArray::number(i);
        rows += (i > first ? "," : "") + ("{" + (i % 2 ? price + "," + name : name + "," + price) + "}");
    }
    return R"({"errorCode":0,"data":[)" + rows + "]}";
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

} // namespace

class TestPagedListModel : public QObject
{
    Q_OBJECT
private slots:
    // A load-more answered after a refresh overtook it changes nothing; no second load starts
    // while one is in flight.
    void staleReplyDroppedAndOneLoadAtATime()
    {
        List l;
        l.answer(1, ScriptedReply::json(page(1, 10)));
        l.model.refresh();
        l.model.loadMore();
        QVERIFY(l.h.settle());
        QCOMPARE(l.h.count(QStringLiteral("p2")), 0);
        ScriptedReply late = ScriptedReply::json(page(11, 10));
        late.delayMs = 200;
        l.answer(2, late);
        l.answer(1, ScriptedReply::json(page(100, 4)));
        l.model.loadMore();
        l.model.loadMore();
        l.model.refresh();
        QVERIFY(l.model.refreshing());
        QVERIFY(l.h.settle());
        QCOMPARE(l.h.count(QStringLiteral("p2")), 1);
        QCOMPARE(l.model.count(), 4);
        QCOMPARE(l.model.get(0).value(QStringLiteral("name")), QStringLiteral("r100"));
        QCOMPARE(l.model.pageIndex(), 1);
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
