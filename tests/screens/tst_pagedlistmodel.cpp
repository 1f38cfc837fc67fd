#include "ScreenHarness.h"
#include "app/PagedListModel.h"
#include "core/api/Request.h"

#include <QTest>

namespace {

// A page of n rows, numbered from first; keys in a different order on every other row.
QByteArray page(int first, int n)
{
    QByteArray rows;
    for (int i = 0; i < n; ++i)
        rows += (i ? "," : "") + (i % 2 ? QByteArray(R"({"price":)") + QByteArray::number(first + i) + R"(,"name":"r)"
                                              + QByteArray::number(first + i) + "\"}"
                                        : QByteArray(R"({"name":"r)") + QByteArray::number(first + i) + R"(","price":)"
                                              + QByteArray::number(first + i) + "}");
    return R"({"errorCode":0,"data":[)" + rows + "]}";
}

const QByteArray kRefused = R"({"errorCode":"2","message":"暂无权限"})";

/// A list whose page n is fetched from the path "p<n>".
struct List
{
    ScreenHarness h;
    PagedListModel model{{QStringLiteral("name"), QStringLiteral("price")}};
    List()
    {
        model.setFetch([](Request *r, int index, int size) {
            r->startConnection(QStringLiteral("p%1").arg(index), QVariantMap{{QStringLiteral("pageSize"), size}});
        });
    }
    QString name(int row) const { return model.get(row).value(QStringLiteral("name")).toString(); }
};

enum Reply { Full, Short, Empty, Refused, Lost };

ScriptedReply scripted(Reply kind, int first)
{
    switch (kind) {
    case Full:
        return ScriptedReply::json(page(first, 10));
    case Short:
        return ScriptedReply::json(page(first, 3));
    case Empty:
        return ScriptedReply::json(page(first, 0));
    case Refused:
        return ScriptedReply::json(kRefused);
    case Lost:
        break;
    }
    return ScriptedReply::closeWithoutReply();
}

} // namespace

class TestPagedListModel : public QObject
{
    Q_OBJECT
private slots:
    void staleReplyIsDropped()
    {
        List l;
        l.h.service().setReply(QStringLiteral("p1"), ScriptedReply::json(page(1, 10)));
        l.model.refresh();
        QVERIFY(l.h.settle());
        // A load-more answered late, after a refresh overtook it.
        ScriptedReply late = ScriptedReply::json(page(11, 10));
        late.delayMs = 200;
        l.h.service().setReply(QStringLiteral("p2"), late);
        l.h.service().setReply(QStringLiteral("p1"), ScriptedReply::json(page(100, 4)));
        l.model.loadMore();
        l.model.refresh();
        QVERIFY(l.model.refreshing());
        QVERIFY(l.h.settle());
        QCOMPARE(l.h.count(QStringLiteral("p2")), 1);
        QCOMPARE(l.model.count(), 4);
        QCOMPARE(l.name(0), QStringLiteral("r100"));
        QCOMPARE(l.model.pageIndex(), 1);
        QVERIFY(!l.model.loading());
    }

    void oneLoadAtATime()
    {
        List l;
        l.model.refresh();
        l.model.loadMore();
        l.model.loadMore();
        QVERIFY(l.h.settle());
        QCOMPARE(l.h.count(QStringLiteral("p1")), 1);
        QCOMPARE(l.h.count(QStringLiteral("p2")), 0);
        l.model.loadMore();
        l.model.loadMore();
        QVERIFY(l.h.settle());
        QCOMPARE(l.h.count(QStringLiteral("p2")), 1);
        QCOMPARE(l.h.count(QStringLiteral("p3")), 0);
    }

    void pageRules_data()
    {
        QTest::addColumn<int>("footerRule");
        QTest::addColumn<QList<int>>("stepBack");  // on refusal, on failure, on empty page
        QTest::addColumn<QList<int>>("replies");   // first page, then further pages
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pageIndex");
        QTest::addColumn<bool>("footer");
        QTest::addColumn<int>("alerts");
        const QList<int> orders{1, 1, 0};
        const QList<int> market{0, 0, 1};
        const int first = PagedListModel::FooterWhenFirstPageFull;
        const int last = PagedListModel::FooterWhenLastPageFull;
        QTest::newRow("full first page: footer") << first << orders << QList<int>{Full} << 10 << 1 << true << 0;
        QTest::newRow("short first page: none") << first << orders << QList<int>{Short} << 3 << 1 << false << 0;
        QTest::newRow("first-page footer stays after a short page")
            << first << orders << QList<int>{Full, Short} << 13 << 2 << true << 0;
        QTest::newRow("last-page footer goes after a short page")
            << last << orders << QList<int>{Full, Short} << 13 << 2 << false << 0;
        QTest::newRow("refusal steps back, alert, rows kept")
            << first << orders << QList<int>{Full, Refused} << 10 << 1 << true << 1;
        QTest::newRow("lost steps back, no alert") << first << orders << QList<int>{Full, Lost} << 10 << 1 << true << 0;
        QTest::newRow("empty later page keeps the index") << first << orders << QList<int>{Full, Empty} << 10 << 2 << true
                                                          << 0;
        QTest::newRow("empty later page steps back") << last << market << QList<int>{Full, Empty} << 10 << 1 << false << 0;
        QTest::newRow("refusal kept, no step back") << last << market << QList<int>{Full, Refused} << 10 << 2 << true << 1;
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
            l.h.service().setReply(QStringLiteral("p%1").arg(i + 1), scripted(Reply(replies[i]), i * 10));
            i == 0 ? l.model.refresh() : l.model.loadMore();
            QVERIFY(l.h.settle());
        }
        QTEST(l.model.count(), "rows");
        QTEST(l.model.pageIndex(), "pageIndex");
        QTEST(l.model.footerShown(), "footer");
        QTEST(int(l.h.alertTexts().size()), "alerts");
        if (!l.h.alertTexts().isEmpty())
            QCOMPARE(l.h.alertTexts().constFirst(), QStringLiteral("暂无权限"));
        // A load-more after a step back asks for the same page again.
        QVERIFY(!l.model.loading());
    }

    void rolesStayAcrossARefresh()
    {
        List l;
        l.model.setRowMapping([](const QVariantMap &row) {
            return QVariantMap{{QStringLiteral("name"), row.value(QStringLiteral("name"))},
                               {QStringLiteral("price"), row.value(QStringLiteral("price")).toString() + u'元'}};
        });
        const QHash<int, QByteArray> roles = l.model.roleNames();
        const int price = roles.key("price");
        l.h.service().setReply(QStringLiteral("p1"), ScriptedReply::json(page(1, 2)));
        l.model.refresh();
        QVERIFY(l.h.settle());
        QCOMPARE(l.model.data(l.model.index(1), price).toString(), QStringLiteral("2元"));
        // The next reply lists its keys the other way round and adds one.
        l.h.service().setReply(QStringLiteral("p1"),
                               ScriptedReply::json(R"({"errorCode":0,"data":[{"extra":1,"price":7,"name":"x"}]})"));
        l.model.refresh();
        QVERIFY(l.h.settle());
        QCOMPARE(l.model.roleNames(), roles);
        QCOMPARE(l.model.data(l.model.index(0), price).toString(), QStringLiteral("7元"));
        QCOMPARE(l.model.data(l.model.index(0), roles.key("name")).toString(), QStringLiteral("x"));
    }

    void unsentRequestEndsTheLoad()
    {
        List l;
        // A guarded call with nobody logged in sends nothing and frees its request.
        l.model.setFetch([](Request *r, int, int) { r->orderListWithRole(QStringLiteral("buy"), 1, 1, nullptr); });
        l.model.refresh();
        QVERIFY(l.h.settle());
        QTRY_VERIFY(!l.model.loading());
        QCOMPARE(l.model.pageIndex(), 0);
        QCOMPARE(l.h.service().count(), 0);
    }
};

QTEST_MAIN(TestPagedListModel)
#include "tst_pagedlistmodel.moc"
